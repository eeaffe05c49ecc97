#include "CliSignals.h"

#include "CliOptions.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace morvelan::cli {
namespace {

// Touched from the handler: lock-free atomics only.
std::atomic<int> gStopSignal{0};
std::atomic<std::atomic<bool>*> gStopFlag{nullptr};
static_assert(std::atomic<int>::is_always_lock_free);
static_assert(std::atomic<std::atomic<bool>*>::is_always_lock_free);

// Written once by the handler and never drained, so that every wait after the signal, not only
// the one under way, ends at once.
int gWakeUp[2] = {-1, -1};

extern "C" void onStopSignal(int signal) {
    const int savedErrno = errno;
    int none = 0;
    if (!gStopSignal.compare_exchange_strong(none, signal)) {
        // The technician insists: the default action ends the program as the handler returns.
        struct sigaction fallback {};
        fallback.sa_handler = SIG_DFL;
        ::sigaction(signal, &fallback, nullptr);
        ::raise(signal);
        errno = savedErrno;
        return;
    }
    if (std::atomic<bool>* flag = gStopFlag.load()) {
        flag->store(true, std::memory_order_release);
    }
    if (gWakeUp[1] >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::write(gWakeUp[1], &byte, 1);
    }
    errno = savedErrno;
}

} // namespace

void catchStopSignals() {
    if (gWakeUp[0] < 0 && ::pipe2(gWakeUp, O_CLOEXEC | O_NONBLOCK) != 0) {
        gWakeUp[0] = gWakeUp[1] = -1;
    }
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a read the signal lands in returns instead of going on waiting.
    action.sa_flags = 0;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

int stopSignal() {
    return gStopSignal.load();
}

void raiseOnStopSignal(std::atomic<bool>* flag) {
    gStopFlag.store(flag);
    if (flag != nullptr && stopSignal() != 0) {
        flag->store(true, std::memory_order_release);
    }
}

bool waitForInput(int fd) {
    // A stream without a descriptor (one in memory) is never waited on.
    if (fd < 0) {
        return stopSignal() == 0;
    }
    while (stopSignal() == 0) {
        pollfd watched[2] = {{fd, POLLIN, 0}, {gWakeUp[0], POLLIN, 0}};
        const int ready = ::poll(watched, gWakeUp[0] >= 0 ? 2 : 1, -1);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        // After a failed poll the read itself says what is wrong.
        if (ready < 0 || watched[0].revents != 0) {
            return stopSignal() == 0;
        }
    }
    return false;
}

int exitCodeAfterStopSignal(int code) {
    switch (stopSignal()) {
    case 0:
        return code;
    case SIGINT:
        return kExitInterrupted;
    default:
        return kExitFailed;
    }
}

} // namespace morvelan::cli
