// The most-recently-used file list, kept in the settings under "Recent File List" as File1..FileN.
#pragma once

#include <QSettings>
#include <QStringList>

namespace morvelan {

class RecentFileList {
public:
    RecentFileList(QSettings& settings, int size);

    // Puts `path` first; the oldest entry drops off once the list is full.
    void add(const QString& path);
    QStringList files() const { return m_files; }
    int size() const { return m_size; }

private:
    void save();

    QSettings& m_settings;
    int m_size;
    QStringList m_files;
};

} // namespace morvelan
