// What a few tests need of the operating system beyond the program's own platform
// layer: a FIFO, another running process, whether the tests run as the superuser, a
// check run by a user who is not the superuser.
#pragma once

#include <functional>
#include <string>

namespace ardel::testing {

// Makes a FIFO at `path`; false where the system has none.
bool makeFifo(const std::string& path);
// The id of a process that runs and is not this one.
long otherRunningProcess();
// The superuser reads and writes whatever the permission bits say.
bool runningAsSuperuser();
// Runs `check` in a child process, as the user "nobody" when the tests run as the
// superuser; true when it returned true. False where the system cannot.
bool runAsAnotherUser(const std::function<bool()>& check);

} // namespace ardel::testing
