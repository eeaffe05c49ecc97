// A process number that no process holds any more: a child that has ended and been reaped. The
// files a killed writer left behind are named after such a number.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

namespace morvelan::test {

inline pid_t goneProcessId() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    if (child > 0)
        ::waitpid(child, nullptr, 0);
    return child;
}

} // namespace morvelan::test
