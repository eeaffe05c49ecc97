#include "gui/app/RecentFileList.h"

#include <QAction>
#include <QMenu>

namespace morvelan {

namespace {
const QString kSection = QStringLiteral("Recent File List");
QString key(int index) {
    return kSection + QStringLiteral("/File%1").arg(index + 1);
}
} // namespace

RecentFileList::RecentFileList(QSettings& settings, int size) : m_settings(settings), m_size(size) {
    for (int i = 0; i < m_size; ++i) {
        const auto path = m_settings.value(key(i)).toString();
        if (!path.isEmpty())
            m_files << path;
    }
}

void RecentFileList::add(const QString& path) {
    m_files.removeAll(path);
    m_files.prepend(path);
    while (m_files.size() > m_size)
        m_files.removeLast();
    save();
}

void RecentFileList::remove(const QString& path) {
    m_files.removeAll(path);
    save();
}

void RecentFileList::save() {
    for (int i = 0; i < m_size; ++i) {
        if (i < m_files.size())
            m_settings.setValue(key(i), m_files[i]);
        else
            m_settings.remove(key(i));
    }
}

QString recentFileText(int index, const QString& path) {
    auto shown = path;
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

RecentFilesMenu::RecentFilesMenu(QMenu& menu, QAction* before, RecentFileList& list, Opener open)
    : m_menu(menu), m_before(before), m_list(list), m_open(std::move(open)) {
    refresh();
}

void RecentFilesMenu::opened(const QString& path) {
    m_list.add(path);
    refresh();
}

void RecentFilesMenu::refresh() {
    for (auto* action : m_actions)
        delete action;
    m_actions.clear();
    const auto files = m_list.files();
    for (int i = 0; i < files.size(); ++i) {
        auto* action = new QAction(recentFileText(i, files[i]), &m_menu);
        action->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
        const auto path = files[i];
        // Queued: the entries are rebuilt from inside the handler of the one picked.
        QObject::connect(
            action, &QAction::triggered, &m_menu,
            [this, path] {
                if (m_open(path))
                    opened(path);
                else {
                    m_list.remove(path);
                    refresh();
                }
            },
            Qt::QueuedConnection);
        m_menu.insertAction(m_before, action);
        m_actions.push_back(action);
    }
    if (!files.isEmpty()) {
        auto* separator = new QAction(&m_menu);
        separator->setSeparator(true);
        m_menu.insertAction(m_before, separator);
        m_actions.push_back(separator);
    }
}

} // namespace morvelan
