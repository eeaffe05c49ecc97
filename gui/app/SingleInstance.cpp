#include "gui/app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// A plain local socket rather than Qt's network module: that module, and the Kerberos and proxy
// libraries it brings, would be loaded at every start for the few bytes a second start sends.

namespace morvelan {

namespace {
constexpr std::string_view kComeForward = "raise\n";
constexpr int kPendingStarts = 4;

// False when the path does not fit a socket address; the copy then runs without being found.
bool socketAddress(const std::string& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.data(), path.size());
    return true;
}

int localSocket() {
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
}

// Held while a start looks for a running copy and begins to listen, so that two starts at the
// same moment do not both find no one. The kernel lets the lock go however the process ends, so
// none is ever left stale, and no holder's name has to be flushed to disk at every start, as a
// lock file's would. A lock held by someone else in the shared folder is waited for two seconds
// at most: this start then goes on, as it does when it cannot listen.
class StartLock {
public:
    explicit StartLock(const std::string& path)
        : m_fd(::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR)) {
        for (int attempt = 0; m_fd >= 0 && attempt < kAttempts; ++attempt) {
            if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0)
                return;
            ::usleep(kPauseMicroseconds);
        }
    }
    ~StartLock() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    StartLock(const StartLock&) = delete;
    StartLock& operator=(const StartLock&) = delete;

private:
    static constexpr int kAttempts = 100;
    static constexpr useconds_t kPauseMicroseconds = 20'000;
    int m_fd;
};
} // namespace

QString instanceName(unsigned userId, const std::string& dataDirectory) {
    // The path is hashed: a socket name must stay short and free of slashes.
    const auto digest =
        QCryptographicHash::hash(QByteArray::fromStdString(dataDirectory), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return QStringLiteral("morvelan-%1-%2").arg(userId).arg(QString::fromLatin1(digest));
}

SingleInstance::SingleInstance(QString name)
    : m_name(std::move(name)), m_path(QDir::temp().filePath(m_name).toStdString()) {}

SingleInstance::~SingleInstance() {
    if (m_listener < 0)
        return;
    m_incoming.reset();
    ::close(m_listener);
    ::unlink(m_path.c_str());
    // The lock goes with the socket, so that the shared folder keeps nothing of a copy that ended.
    // A start waiting on it right now then holds a lock no later start sees: at worst two starts
    // in that instant both open a window, as before there was any lock.
    ::unlink(lockPath().c_str());
}

bool SingleInstance::claim() {
    // Two starts at the same moment must not both find no one and both listen.
    const StartLock lock(lockPath());
    sockaddr_un address{};
    if (!socketAddress(m_path, address))
        return true;
    const int running = localSocket();
    if (running >= 0 &&
        ::connect(running, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0) {
        // A few bytes into an empty local socket never block.
        const bool sent = ::send(running, kComeForward.data(), kComeForward.size(), MSG_NOSIGNAL) ==
                          static_cast<ssize_t>(kComeForward.size());
        ::close(running);
        if (sent)
            return false;
    } else if (running >= 0) {
        ::close(running);
    }
    listen();
    return true;
}

void SingleInstance::listen() {
    sockaddr_un address{};
    socketAddress(m_path, address);
    // A socket left behind by a copy that crashed answers no one; it is taken over.
    ::unlink(m_path.c_str());
    m_listener = localSocket();
    if (m_listener < 0)
        return;
    // Only this user may ask the window forward: the socket is made without access for others.
    const mode_t previous = ::umask(S_IRWXG | S_IRWXO);
    const bool bound =
        ::bind(m_listener, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::umask(previous);
    // Should listening fail, later starts are not caught, but this one still runs.
    if (!bound || ::listen(m_listener, kPendingStarts) != 0) {
        ::close(m_listener);
        m_listener = -1;
        return;
    }
    m_incoming = std::make_unique<QSocketNotifier>(m_listener, QSocketNotifier::Read);
    QObject::connect(m_incoming.get(), &QSocketNotifier::activated, m_incoming.get(),
                     [this] { acceptLaterStart(); });
}

void SingleInstance::acceptLaterStart() {
    const int peer = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (peer < 0)
        return;
    // The later start may not have written yet: its words are read once they arrive.
    auto* words = new QSocketNotifier(peer, QSocketNotifier::Read, m_incoming.get());
    QObject::connect(words, &QSocketNotifier::activated, words, [this, words, peer] {
        std::array<char, 64> buffer{};
        const ssize_t got = ::recv(peer, buffer.data(), buffer.size(), 0);
        if (got < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        if (got > 0 && std::string_view(buffer.data(), std::size_t(got)).starts_with("raise"))
            bringForward();
        words->setEnabled(false);
        ::close(peer);
        words->deleteLater();
    });
}

void SingleInstance::bringForward() {
    if (!m_window)
        return;
    // Out of the task bar the way it went in (maximised stays maximised).
    m_window->setWindowState((m_window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

} // namespace morvelan
