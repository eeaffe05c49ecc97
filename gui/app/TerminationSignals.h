// SIGTERM (the session ends, `kill`), SIGINT and SIGHUP end the program the way "Sair" does, so
// that it leaves nothing behind: no single-instance socket, no history journal beside the
// database.
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace morvelan {

// While it lives, each of the three signals calls `quit` from the event loop. A signal handler
// may do next to nothing, so it only writes a byte to a socket the loop watches.
class TerminationSignals final : public QObject {
public:
    explicit TerminationSignals(std::function<void()> quit, QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    std::function<void()> m_quit;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace morvelan
