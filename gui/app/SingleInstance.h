// One running program per user and data directory: a second start finds the first through a
// local socket, asks it to come forward and ends, so two windows never share one printer and
// one working command file.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>
#include <string>

class QSocketNotifier;

namespace morvelan {

// The socket's name: the same user and data directory give the same name, anything else another.
QString instanceName(unsigned userId, const std::string& dataDirectory);

class SingleInstance {
public:
    explicit SingleInstance(QString name);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this is the first copy, which then listens for later ones; false when another
    // copy answered and was asked to bring its window forward.
    bool claim();

    // The window a later start brings forward.
    void setWindow(QWidget* window) { m_window = window; }

private:
    std::string lockPath() const { return m_path + ".lock"; }
    void listen();
    void acceptLaterStart();
    void bringForward();

    QString m_name;
    std::string m_path;
    int m_listener = -1;
    std::unique_ptr<QSocketNotifier> m_incoming;
    QPointer<QWidget> m_window;
};

} // namespace morvelan
