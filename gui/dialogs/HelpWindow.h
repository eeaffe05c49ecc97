// F1 help: our own HTML pages, shown in one window that stays open beside the program, with
// back and forward through the pages seen and a search over every page's text.
#pragma once

#include "core/present/HelpIndex.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class QKeyEvent;
class QLineEdit;
class QListWidget;
class QTextBrowser;
class QToolButton;

namespace morvelan {

class HelpWindow final : public QWidget {
public:
    // `root` holds the pages (for example "qrc:/help/"); `index.html` is the starting page.
    explicit HelpWindow(const QString& root, QWidget* parent = nullptr);

    // Shows `page` (relative to the root), or the index when it is empty.
    void showPage(const QString& page);
    QString currentPage() const;

    // Lists the pages holding every word of `query`; an empty query lists nothing.
    void search(const QString& query);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void loadIndex();

    QString m_root;
    HelpIndex m_index;
    bool m_indexLoaded = false;
    QTextBrowser* m_browser;
    QToolButton* m_back;
    QToolButton* m_forward;
    QLineEdit* m_query;
    QListWidget* m_results;
};

} // namespace morvelan
