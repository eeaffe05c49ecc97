#include "RecentFileList.h"

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

void RecentFileList::save() {
    for (int i = 0; i < m_size; ++i) {
        if (i < m_files.size())
            m_settings.setValue(key(i), m_files[i]);
        else
            m_settings.remove(key(i));
    }
}

} // namespace morvelan
