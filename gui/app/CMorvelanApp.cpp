#include "gui/app/CMorvelanApp.h"

#include "gui/app/AfterFirstPaint.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>

namespace morvelan {

namespace {
// Settings are named before the QSettings member is built from them.
bool nameApplication() {
    QCoreApplication::setOrganizationName(QString::fromLatin1(kOrganisationName));
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    // The desktop entry names the window's icon and groups it in the task bar.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    return true;
}
} // namespace

CMorvelanApp::CMorvelanApp(const ProgramFiles& files)
    : m_translationsLoaded(nameApplication() &&
                           m_translator.load(QLocale(QLocale::Portuguese, QLocale::Brazil),
                                             QStringLiteral("qtbase"), QStringLiteral("_"),
                                             QLibraryInfo::path(QLibraryInfo::TranslationsPath))),
      m_recentFiles(m_settings, kRecentFileCount) {
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    if (m_translationsLoaded)
        QCoreApplication::installTranslator(&m_translator);
    m_frame = std::make_unique<CMainFrame>(m_document, m_prompts, files.dataDirectory,
                                           CMainFrame::libraryInDirectory(files.libraryDirectory));
    m_frame->setRecentFiles(m_recentFiles);
    m_prompts.setParentWidget(m_frame.get());
}

void CMorvelanApp::show() {
    m_frame->showMaximized();
    // Nothing in the first window needs the icon: it is read once the window is seen.
    afterFirstPaint(*m_frame, [] {
        QIcon icon;
        for (const int size : {16, 32, 48})
            icon.addFile(QStringLiteral(":/icons/morvelan-%1.png").arg(size), QSize(size, size));
        QGuiApplication::setWindowIcon(icon);
    });
}

} // namespace morvelan
