#include "gui/dialogs/HelpWindow.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace morvelan {
namespace {

constexpr int kPageRole = Qt::UserRole;

// Where the pages of `root` are read as files: ":/help/" for "qrc:/help/".
QString directoryOf(const QString& root) {
    const QUrl url(root);
    if (url.scheme() == QLatin1String("qrc"))
        return QLatin1Char(':') + url.path();
    return url.isLocalFile() ? url.toLocalFile() : root;
}

QToolButton* toolButton(const QString& name, const QString& text, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setAutoRaise(true);
    return button;
}

} // namespace

HelpWindow::HelpWindow(const QString& root, QWidget* parent)
    : QWidget(parent, Qt::Window), m_root(root), m_browser(new QTextBrowser),
      m_back(toolButton(QStringLiteral("back"), QStringLiteral("< &Voltar"), this)),
      m_forward(toolButton(QStringLiteral("forward"), QStringLiteral("&Avançar >"), this)),
      m_query(new QLineEdit), m_results(new QListWidget) {
    setWindowTitle(QStringLiteral("Ajuda do Morvelan"));
    resize(860, 560);

    auto* home = toolButton(QStringLiteral("home"), QStringLiteral("&Índice"), this);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    auto* bar = new QHBoxLayout;
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addWidget(home);
    bar->addStretch();

    m_query->setObjectName(QStringLiteral("search"));
    m_query->setPlaceholderText(QStringLiteral("Procurar na ajuda (Ctrl+F)"));
    m_query->setClearButtonEnabled(true);
    m_results->setObjectName(QStringLiteral("results"));
    auto* searchPane = new QWidget;
    auto* searchLayout = new QVBoxLayout(searchPane);
    searchLayout->setContentsMargins(0, 0, 0, 0);
    searchLayout->addWidget(m_query);
    searchLayout->addWidget(m_results);

    m_browser->setObjectName(QStringLiteral("browser"));
    m_browser->setOpenExternalLinks(false);
    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(searchPane);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 640});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(splitter);

    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(home, &QToolButton::clicked, this, [this] { showPage(QString()); });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(m_query, &QLineEdit::textChanged, this, &HelpWindow::search);
    connect(m_results, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showPage(item->data(kPageRole).toString()); });
    connect(m_results, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showPage(item->data(kPageRole).toString()); });
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    // A window of its own has no dialog's Escape, yet a page read is closed the way a dialog is.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    // The window opens on the page; the search is one key away, wherever the focus is.
    if (event->matches(QKeySequence::Find)) {
        m_query->setFocus(Qt::ShortcutFocusReason);
        m_query->selectAll();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpWindow::showPage(const QString& page) {
    const auto name =
        page.isEmpty() ? QString::fromUtf8(kHelpIndexPage.data(), qsizetype(kHelpIndexPage.size()))
                       : page;
    // A second click on the same result would add the page to the history once more.
    if (const QUrl url(m_root + name); m_browser->source() != url)
        m_browser->setSource(url);
    show();
    raise();
    activateWindow();
}

QString HelpWindow::currentPage() const {
    return m_browser->source().toString();
}

void HelpWindow::search(const QString& query) {
    if (m_query->text() != query) {
        m_query->setText(query); // comes back here through textChanged
        return;
    }
    loadIndex();
    m_results->clear();
    for (const HelpHit& hit : m_index.search(query.toStdString())) {
        auto* item = new QListWidgetItem(QString::fromStdString(hit.title), m_results);
        item->setData(kPageRole, QString::fromStdString(hit.page));
    }
}

void HelpWindow::loadIndex() {
    // Read once, at the first search: the pages do not change while the program runs.
    if (m_indexLoaded)
        return;
    m_indexLoaded = true;
    const QDir directory(directoryOf(m_root));
    for (const QString& name :
         directory.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
        QFile file(directory.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            m_index.add(name.toStdString(), file.readAll().toStdString());
    }
}

} // namespace morvelan
