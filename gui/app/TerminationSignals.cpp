#include "gui/app/TerminationSignals.h"

#include <QSocketNotifier>

#include <array>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace morvelan {

namespace {

constexpr std::array kSignals = {SIGTERM, SIGINT, SIGHUP};
// [0] is written by the handler, [1] read by the event loop.
int g_wakeUp[2] = {-1, -1};

extern "C" void onTerminationSignal(int) {
    const char byte = 1;
    // Nothing can be done about a full socket: a byte is already waiting to be read.
    [[maybe_unused]] const auto written = ::write(g_wakeUp[0], &byte, 1);
}

void handleWith(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals)
        sigaction(signal, &action, nullptr);
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void()> quit, QObject* parent)
    : QObject(parent), m_quit(std::move(quit)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_wakeUp) != 0)
        return; // the signals keep ending the program at once, as before
    m_notifier = new QSocketNotifier(g_wakeUp[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(g_wakeUp[1], bytes, sizeof bytes) > 0) {
        }
        m_quit();
    });
    handleWith(onTerminationSignal);
}

TerminationSignals::~TerminationSignals() {
    if (m_notifier == nullptr)
        return;
    handleWith(SIG_DFL);
    delete m_notifier;
    ::close(g_wakeUp[0]);
    ::close(g_wakeUp[1]);
    g_wakeUp[0] = g_wakeUp[1] = -1;
}

} // namespace morvelan
