#include "QStringPrinting.h"
#include "core/engine/FunctionNames.h"
#include "core/present/HelpIndex.h"
#include "gui/dialogs/HelpWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>
#include <QToolButton>

#include <gtest/gtest.h>

namespace morvelan {
namespace {

const QString kHelp = QStringLiteral(":/help/");

QString pageText(const QString& name) {
    QFile file(kHelp + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList resourcePages() {
    return QDir(kHelp).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

// The values of every href and src attribute of a page.
QStringList linksOf(const QString& html) {
    static const QRegularExpression link(QStringLiteral(R"((?:href|src)\s*=\s*"([^"]*)\")"),
                                         QRegularExpression::CaseInsensitiveOption);
    QStringList links;
    for (const auto& match : link.globalMatch(html))
        links << match.captured(1);
    return links;
}

QSet<QString> anchorsOf(const QString& html) {
    static const QRegularExpression anchor(QStringLiteral(R"(\b(?:id|name)\s*=\s*"([^"]*)\")"),
                                           QRegularExpression::CaseInsensitiveOption);
    QSet<QString> anchors;
    for (const auto& match : anchor.globalMatch(html))
        anchors << match.captured(1);
    return anchors;
}

TEST(HelpPages, EveryFunctionOfTheTreeAndEveryPanelHasAPage) {
    QStringList expected{QStringLiteral("resposta.html"), QStringLiteral("lacracao.html"),
                         QStringLiteral("formato_script.html"),
                         QStringLiteral("impressora_virtual.html")};
    for (const FunctionGroup& group : functionGroups())
        for (const FunctionItem& item : group.items)
            expected << QString::fromStdString(helpPageForCode(group.number, item.number));
    for (const QString& page : expected) {
        const QString text = pageText(page);
        EXPECT_FALSE(text.isEmpty()) << page.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("estilo.css"))) << page.toStdString();
    }
}

TEST(HelpPages, TheIndexLinksEveryPage) {
    const auto links = linksOf(pageText(QStringLiteral("index.html")));
    for (const QString& page : resourcePages())
        if (page != QStringLiteral("index.html")) {
            EXPECT_TRUE(links.contains(page)) << page.toStdString();
        }
}

TEST(HelpPages, EveryLinkResolvesToAPageOrAnAnchorInTheResources) {
    const auto pages = resourcePages();
    ASSERT_FALSE(pages.isEmpty());
    for (const QString& page : pages) {
        for (const QString& link : linksOf(pageText(page))) {
            const auto hash = link.indexOf(QLatin1Char('#'));
            const QString target = hash < 0 ? link : link.left(hash);
            const QString file = target.isEmpty() ? page : target;
            const auto where = page.toStdString() + " -> " + link.toStdString();
            // The pages travel inside the program: nothing outside them, no way up and out.
            ASSERT_FALSE(file.contains(QLatin1Char(':')) || file.contains(QStringLiteral("..")))
                << where;
            ASSERT_TRUE(QFile::exists(kHelp + file)) << where;
            if (hash >= 0) {
                EXPECT_TRUE(anchorsOf(pageText(file)).contains(link.mid(hash + 1))) << where;
            }
        }
    }
}

TEST(HelpPages, TheResourcesHoldEveryPageOfTheSourceFolder) {
    const QDir source(QStringLiteral(MORVELAN_HELP_SOURCE_DIR));
    const QStringList kinds{QStringLiteral("*.html"), QStringLiteral("*.css")};
    EXPECT_EQ(QDir(kHelp).entryList(kinds, QDir::Files, QDir::Name),
              source.entryList(kinds, QDir::Files, QDir::Name));
}

TEST(HelpPages, WindowGoesBackAndForwardAndOpensWhatTheSearchFinds) {
    HelpWindow window(QStringLiteral("qrc:/help/"));
    auto* browser = window.findChild<QTextBrowser*>(QStringLiteral("browser"));
    auto* back = window.findChild<QToolButton*>(QStringLiteral("back"));
    auto* forward = window.findChild<QToolButton*>(QStringLiteral("forward"));
    auto* results = window.findChild<QListWidget*>(QStringLiteral("results"));
    ASSERT_TRUE(browser && back && forward && results);

    window.showPage(QString());
    EXPECT_FALSE(back->isEnabled());
    window.search(QStringLiteral("meios de PAGAMENTOS vinculado"));
    ASSERT_GT(results->count(), 0);
    QStringList found;
    for (int row = 0; row < results->count(); ++row)
        found << results->item(row)->data(Qt::UserRole).toString();
    EXPECT_TRUE(found.contains(QStringLiteral("f06_07.html")));
    EXPECT_FALSE(found.contains(QStringLiteral("f08_01.html")));

    Q_EMIT results->itemActivated(results->item(0));
    EXPECT_EQ(window.currentPage(), QStringLiteral("qrc:/help/") + found.front());
    ASSERT_TRUE(back->isEnabled());
    back->click();
    EXPECT_EQ(window.currentPage(), QStringLiteral("qrc:/help/index.html"));
    ASSERT_TRUE(forward->isEnabled());
    forward->click();
    EXPECT_EQ(window.currentPage(), QStringLiteral("qrc:/help/") + found.front());
    EXPECT_FALSE(forward->isEnabled());
    window.search(QString());
    EXPECT_EQ(results->count(), 0);
}

TEST(HelpPages, CtrlFSearchesAndEscapeClosesFromAnyOfItsParts) {
    HelpWindow window(QStringLiteral("qrc:/help/"));
    auto* search = window.findChild<QLineEdit*>(QStringLiteral("search"));
    ASSERT_NE(search, nullptr);
    for (const char* part : {"search", "results", "browser"}) {
        window.showPage(QString());
        ASSERT_TRUE(window.isVisible());
        QKeyEvent find(QEvent::KeyPress, Qt::Key_F, Qt::ControlModifier);
        QApplication::sendEvent(window.findChild<QWidget*>(QString::fromLatin1(part)), &find);
        EXPECT_EQ(window.focusWidget(), search) << part;
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(window.findChild<QWidget*>(QString::fromLatin1(part)), &escape);
        EXPECT_FALSE(window.isVisible()) << part;
    }
}

} // namespace
} // namespace morvelan
