#include "support/SystemForTests.h"

#include <sys/stat.h>
#include <unistd.h>

namespace ardel::testing {

bool makeFifo(const std::string& path) {
    return ::mkfifo(path.c_str(), 0600) == 0;
}

long otherRunningProcess() {
    return static_cast<long>(::getppid());
}

bool runningAsSuperuser() {
    return ::geteuid() == 0;
}

} // namespace ardel::testing
