#include "HelpWindow.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace morvelan {

HelpWindow::HelpWindow(const QString& root, QWidget* parent)
    : QWidget(parent, Qt::Window), m_root(root), m_browser(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("Ajuda do Morvelan"));
    resize(640, 480);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_browser->setObjectName(QStringLiteral("browser"));
    m_browser->setOpenExternalLinks(false);
    layout->addWidget(m_browser);
}

void HelpWindow::showPage(const QString& page) {
    const auto name = page.isEmpty() ? QStringLiteral("index.html") : page;
    m_browser->setSource(QUrl(m_root + name));
    show();
    raise();
    activateWindow();
}

QString HelpWindow::currentPage() const {
    return m_browser->source().toString();
}

} // namespace morvelan
