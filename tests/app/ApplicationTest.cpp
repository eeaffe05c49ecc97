#include "QStringPrinting.h"
#include "RecordingPrompts.h"
#include "core/base/Cp1252.h"
#include "gui/app/AfterFirstPaint.h"
#include "gui/app/CMorvelanApp.h"
#include "gui/app/SingleInstance.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QUuid>

#include <fstream>

#include <gtest/gtest.h>

namespace morvelan {
namespace {

struct AppApplication : testing::Test {
    AppApplication() {
        // Settings go to a scratch directory, not the user's.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    }
    QTemporaryDir settingsDir;
    QTemporaryDir programDir;
};

TEST_F(AppApplication, NamesItsSettingsAndSpeaksPortuguese) {
    const auto directory = programDir.path().toStdString();
    CMorvelanApp app({directory, directory, {}});
    EXPECT_EQ(QCoreApplication::organizationName(),
              QStringLiteral("Local AppWizard-Generated Applications"));
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Morvelan"));
    ASSERT_TRUE(app.translationsLoaded());
    // Qt's own buttons read in Portuguese.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));
    EXPECT_EQ(app.mainFrame().windowTitle(),
              QStringLiteral("Morvelan .: Arquivo de comando sem nome :."));
    app.show();
    EXPECT_TRUE(app.mainFrame().isMaximized());
}

TEST_F(AppApplication, RecentFilesKeepTheLastFour) {
    {
        QSettings settings;
        RecentFileList list(settings, 4);
        for (const auto* name : {"a.cmd", "b.cmd", "c.cmd", "d.cmd", "e.cmd", "c.cmd"})
            list.add(QString::fromLatin1(name));
        EXPECT_EQ(list.files(), (QStringList{QStringLiteral("c.cmd"), QStringLiteral("e.cmd"),
                                             QStringLiteral("d.cmd"), QStringLiteral("b.cmd")}));
    }
    QSettings settings;
    EXPECT_EQ(settings.value(QStringLiteral("Recent File List/File1")).toString(),
              QStringLiteral("c.cmd"));
    RecentFileList reread(settings, 4);
    EXPECT_EQ(reread.files().size(), 4);
    EXPECT_EQ(reread.files().last(), QStringLiteral("b.cmd"));
}

QString commandFile(const QTemporaryDir& dir, const char* name, const std::string& identification) {
    std::string image(10184, '\0');
    const auto bytes = toCp1252(identification);
    image.replace(0, bytes.size(), bytes);
    const auto path = dir.filePath(QString::fromLatin1(name));
    std::ofstream(path.toStdString(), std::ios::binary) << image;
    return path;
}

// The last `count` entries of "A&rquivo", a separator as "-".
QStringList fileMenuTail(CMainFrame& frame, int count) {
    QStringList texts;
    for (const auto* item : frame.menuBar()->actions().value(0)->menu()->actions())
        texts << (item->isSeparator() ? QStringLiteral("-") : item->text());
    return texts.mid(texts.size() - count);
}

TEST_F(AppApplication, RecentFilesOpenFromTheFileMenuAsOpenDoes) {
    QSettings settings;
    RecentFileList list(settings, 4);
    test::RecordingPrompts prompts;
    CMorvelanDoc document;
    QTemporaryDir files;
    const auto shop = commandFile(files, "loja.cmd", "Loja & Cia");
    const auto gone = files.filePath(QStringLiteral("sumiu.cmd"));
    CMainFrame frame(document, prompts, programDir.path().toStdString(),
                     [] { return BoundLibrary{}; });
    frame.setRecentFiles(list);
    EXPECT_EQ(fileMenuTail(frame, 2), (QStringList{QStringLiteral("-"), QStringLiteral("&Sair")}));
    EXPECT_EQ(frame.action(QStringLiteral("recentFile1")), nullptr);

    // "&Abrir" puts what it loads at the top of the list.
    frame.commandFileOpened(gone.toStdString());
    frame.switchForm(10, 1);
    frame.currentForm()->findChild<QLineEdit*>(QStringLiteral("filePath"))->setText(shop);
    frame.currentForm()->findChild<QPushButton*>(QStringLiteral("loadButton"))->click();
    EXPECT_EQ(list.files(), (QStringList{shop, gone}));
    EXPECT_EQ(
        fileMenuTail(frame, 5),
        (QStringList{QStringLiteral("-"), QStringLiteral("&1 ") + shop,
                     QStringLiteral("&2 ") + gone, QStringLiteral("-"), QStringLiteral("&Sair")}));

    // Picked from the menu, a file becomes the working one; one that is gone leaves the list.
    commandFile(programDir, "default.cmd", "Outro");
    frame.action(QStringLiteral("recentFile1"))->trigger();
    QApplication::processEvents();
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Morvelan .: Loja & Cia :."));
    frame.action(QStringLiteral("recentFile2"))->trigger();
    QApplication::processEvents();
    EXPECT_EQ(list.files(), QStringList{shop});
    EXPECT_EQ(prompts.messages.back().title, kErrorTitle);
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Morvelan .: Loja & Cia :."));
    EXPECT_EQ(recentFileText(0, QStringLiteral("/a&b.cmd")), QStringLiteral("&1 /a&&b.cmd"));
}

TEST_F(AppApplication, SecondStartBringsTheRunningWindowForward) {
    const auto name = instanceName(1000, QUuid::createUuid().toString().toStdString());
    EXPECT_EQ(instanceName(1000, "/home/a/.local/share/Morvelan"),
              instanceName(1000, "/home/a/.local/share/Morvelan"));
    EXPECT_NE(instanceName(1000, "/srv/a"), instanceName(1000, "/srv/b"));
    EXPECT_NE(instanceName(1000, "/srv/a"), instanceName(1001, "/srv/a"));

    QWidget window;
    SingleInstance first(name);
    ASSERT_TRUE(first.claim());
    first.setWindow(&window);
    SingleInstance second(name);
    EXPECT_FALSE(second.claim());
    QElapsedTimer waited;
    waited.start();
    while (!window.isVisible() && waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(window.isVisible());
    SingleInstance elsewhere(name + QStringLiteral("-b"));
    EXPECT_TRUE(elsewhere.claim());
}

TEST_F(AppApplication, WorkPutOffUntilTheWindowIsSeenRunsOnceAfterItsFirstPaint) {
    QWidget window;
    int runs = 0;
    afterFirstPaint(window, [&runs] { ++runs; });
    QApplication::processEvents();
    EXPECT_EQ(runs, 0);
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (runs == 0 && waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(runs, 1);
    window.repaint();
    QApplication::processEvents();
    EXPECT_EQ(runs, 1);
}

} // namespace
} // namespace morvelan
