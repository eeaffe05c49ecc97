// The most-recently-used file list, kept in the settings under "Recent File List" as File1..FileN,
// and its entries in the "A&rquivo" menu.
#pragma once

#include <QSettings>
#include <QStringList>

#include <functional>
#include <vector>

class QAction;
class QMenu;

namespace morvelan {

class RecentFileList {
public:
    RecentFileList(QSettings& settings, int size);

    // Puts `path` first; the oldest entry drops off once the list is full.
    void add(const QString& path);
    // Drops `path`, a file that could not be opened any more.
    void remove(const QString& path);
    QStringList files() const { return m_files; }
    int size() const { return m_size; }

private:
    void save();

    QSettings& m_settings;
    int m_size;
    QStringList m_files;
};

// "&1 /path/file.cmd": the entry's number is its accelerator; an "&" of the path stays a letter.
QString recentFileText(int index, const QString& path);

// The list's entries, numbered, in `menu` before `before`, with a separator after them when
// there are any. Picking one calls `open`; a file that does not open any more leaves the list.
class RecentFilesMenu {
public:
    using Opener = std::function<bool(const QString& path)>;

    RecentFilesMenu(QMenu& menu, QAction* before, RecentFileList& list, Opener open);

    // A file opened by any way: it goes first in the list and in the menu.
    void opened(const QString& path);
    void refresh();

private:
    QMenu& m_menu;
    QAction* m_before;
    RecentFileList& m_list;
    Opener m_open;
    std::vector<QAction*> m_actions;
};

} // namespace morvelan
