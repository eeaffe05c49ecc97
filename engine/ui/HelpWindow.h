// F1 help: our own HTML pages, shown in one window that stays open beside the program.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class QTextBrowser;

namespace morvelan {

class HelpWindow final : public QWidget {
public:
    // `root` holds the pages (for example "qrc:/help/"); `index.html` is the starting page.
    explicit HelpWindow(const QString& root, QWidget* parent = nullptr);

    // Shows `page` (relative to the root), or the index when it is empty.
    void showPage(const QString& page);
    QString currentPage() const;

private:
    QString m_root;
    QTextBrowser* m_browser;
};

} // namespace morvelan
