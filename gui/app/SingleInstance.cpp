#include "gui/app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QLockFile>

namespace morvelan {

namespace {
constexpr int kAnswerWaitMs = 1000;
const QByteArray kComeForward = QByteArrayLiteral("raise\n");
} // namespace

QString instanceName(unsigned userId, const std::string& dataDirectory) {
    // The path is hashed: a socket name must stay short and free of slashes.
    const auto digest =
        QCryptographicHash::hash(QByteArray::fromStdString(dataDirectory), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return QStringLiteral("morvelan-%1-%2").arg(userId).arg(QString::fromLatin1(digest));
}

SingleInstance::SingleInstance(QString name) : m_name(std::move(name)) {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(&m_server, &QLocalServer::newConnection, &m_server, [this] {
        while (QLocalSocket* peer = m_server.nextPendingConnection()) {
            QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            QObject::connect(peer, &QLocalSocket::readyRead, peer, [this, peer] {
                if (peer->readAll().contains(kComeForward.trimmed()))
                    bringForward();
            });
        }
    });
}

bool SingleInstance::claim() {
    // Two starts at the same moment must not both find no one and both listen.
    QLockFile lock(QDir::temp().filePath(m_name + QStringLiteral(".lock")));
    lock.lock();
    QLocalSocket running;
    running.connectToServer(m_name);
    if (running.waitForConnected(kAnswerWaitMs)) {
        running.write(kComeForward);
        running.waitForBytesWritten(kAnswerWaitMs);
        running.disconnectFromServer();
        return false;
    }
    // A socket left behind by a copy that crashed answers no one; it is taken over.
    QLocalServer::removeServer(m_name);
    // Should listening fail, later starts are not caught, but this one still runs.
    m_server.listen(m_name);
    return true;
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
