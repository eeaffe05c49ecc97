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
    // Looking the icon up walks the desktop's icon themes, which takes about as long as building
    // the whole window; the window is shown first and takes its icon a moment later.
    afterFirstPaint(*m_frame, [] {
        QGuiApplication::setWindowIcon(QIcon::fromTheme(QString::fromLatin1(kIconName)));
    });
}

} // namespace morvelan
