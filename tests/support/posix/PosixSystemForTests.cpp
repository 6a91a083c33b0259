#include "support/SystemForTests.h"

#include <sys/stat.h>
#include <sys/wait.h>
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

bool runAsAnotherUser(const std::function<bool()>& check) {
    constexpr uid_t kNobody = 65534;
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            ::_exit(2);
        }
        ::_exit(check() ? 0 : 1);
    }
    int status = -1;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace ardel::testing
