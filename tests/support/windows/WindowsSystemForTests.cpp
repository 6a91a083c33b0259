#include "support/SystemForTests.h"

#include <windows.h>
// after windows.h, whose types it uses
#include <tlhelp32.h>

namespace ardel::testing {

bool makeFifo(const std::string&) {
    return false;
}

// The first process of the system's list that is not this one (the system's own
// services are always there).
long otherRunningProcess() {
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return 0;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    long found = 0;
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more && found == 0;
         more = ::Process32NextW(snapshot, &entry)) {
        if (entry.th32ProcessID != 0 && entry.th32ProcessID != ::GetCurrentProcessId()) {
            found = static_cast<long>(entry.th32ProcessID);
        }
    }
    ::CloseHandle(snapshot);
    return found;
}

bool runningAsSuperuser() {
    return false;
}

bool runAsAnotherUser(const std::function<bool()>&) {
    return false;
}

} // namespace ardel::testing
