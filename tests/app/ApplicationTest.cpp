#include "CMorvelanApp.h"
#include "QStringPrinting.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

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
    CMorvelanApp app(programDir.path().toStdString());
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

} // namespace
} // namespace morvelan
