#include "gui/dialogs/QtPrompts.h"

#include "gui/dialogs/ProgressCronoDlg.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QThread>

namespace morvelan {

namespace {

QMessageBox::Icon toQtIcon(PromptIcon icon) {
    switch (icon) {
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::Warning:
        return QMessageBox::Warning;
    case PromptIcon::Error:
        return QMessageBox::Critical;
    case PromptIcon::Question:
        return QMessageBox::Question;
    case PromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton ask(QWidget* parent, const std::string& title, const std::string& text,
                                PromptIcon icon, QMessageBox::StandardButtons buttons) {
    // A box without a title of its own (the XML parser's error) takes the program's name, as the
    // window system's default caption would.
    const QString caption =
        title.empty() ? QCoreApplication::applicationName() : QString::fromStdString(title);
    QMessageBox box(toQtIcon(icon), caption, QString::fromStdString(text), buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

QStringList nameFilters(const std::string& filter) {
    const auto text = QString::fromStdString(filter);
    if (!text.contains(u'|'))
        return {text};
    // Pairs of description and pattern; the description already names the pattern.
    QStringList filters;
    const auto parts = text.split(u'|', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); i += 2)
        filters << parts[i];
    return filters;
}

QString defaultSuffix(const std::string& defaultExtension) {
    auto suffix = QString::fromStdString(defaultExtension);
    while (suffix.startsWith(u'*') || suffix.startsWith(u'.'))
        suffix.remove(0, 1);
    return suffix;
}

QtPrompts::QtPrompts(QWidget* parent) : m_parent(parent) {}

void QtPrompts::setParentWidget(QWidget* parent) {
    m_parent = parent;
}

template <typename Fn> void QtPrompts::onUiThread(Fn&& fn) {
    auto* app = QCoreApplication::instance();
    if (app == nullptr || QThread::currentThread() == app->thread()) {
        fn();
        return;
    }
    QMetaObject::invokeMethod(app, std::forward<Fn>(fn), Qt::BlockingQueuedConnection);
}

void QtPrompts::message(const std::string& title, const std::string& text, PromptIcon icon) {
    onUiThread([&] { ask(m_parent, title, text, icon, QMessageBox::Ok); });
}

bool QtPrompts::askYesNo(const std::string& title, const std::string& text, PromptIcon icon) {
    bool yes = false;
    onUiThread([&] {
        yes = ask(m_parent, title, text, icon, QMessageBox::Yes | QMessageBox::No) ==
              QMessageBox::Yes;
    });
    return yes;
}

bool QtPrompts::askOkCancel(const std::string& title, const std::string& text, PromptIcon icon) {
    bool ok = false;
    onUiThread([&] {
        ok = ask(m_parent, title, text, icon, QMessageBox::Ok | QMessageBox::Cancel) ==
             QMessageBox::Ok;
    });
    return ok;
}

std::optional<std::string> QtPrompts::openFile(const std::string& filter,
                                               const std::string& defaultExtension) {
    return chooseFile(QFileDialog::AcceptOpen, filter, defaultExtension);
}

std::optional<std::string> QtPrompts::saveFile(const std::string& filter,
                                               const std::string& defaultExtension) {
    return chooseFile(QFileDialog::AcceptSave, filter, defaultExtension);
}

std::optional<std::string> QtPrompts::chooseFile(QFileDialog::AcceptMode acceptMode,
                                                 const std::string& filter,
                                                 const std::string& defaultExtension) {
    std::optional<std::string> path;
    onUiThread([&] {
        QFileDialog dialog(m_parent);
        dialog.setAcceptMode(acceptMode);
        // A file to open must be there already; a file to save may be new.
        dialog.setFileMode(acceptMode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                                 : QFileDialog::AnyFile);
        dialog.setNameFilters(nameFilters(filter));
        dialog.setDefaultSuffix(defaultSuffix(defaultExtension));
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            path = dialog.selectedFiles().constFirst().toStdString();
    });
    return path;
}

void QtPrompts::chronometer(const std::string& text) {
    onUiThread([&] {
        ProgressCronoDlg dialog(QString::fromStdString(text), m_parent);
        dialog.exec();
    });
}

} // namespace morvelan
