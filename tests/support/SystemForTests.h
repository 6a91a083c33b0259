// What a few tests need of the operating system beyond the program's own platform
// layer: a FIFO, another running process, whether the tests run as the superuser.
#pragma once

#include <string>

namespace ardel::testing {

// Makes a FIFO at `path`; false where the system has none.
bool makeFifo(const std::string& path);
// The id of a process that runs and is not this one.
long otherRunningProcess();
// The superuser reads and writes whatever the permission bits say.
bool runningAsSuperuser();

} // namespace ardel::testing
