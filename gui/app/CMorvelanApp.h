// The application: settings, Portuguese for Qt's own texts, the single document and its main
// window. Created once in main(), after QApplication.
#pragma once

#include "core/base/StartupEnvironment.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CMorvelanDoc.h"
#include "gui/app/RecentFileList.h"
#include "gui/dialogs/QtPrompts.h"

#include <QSettings>
#include <QTranslator>

#include <memory>

namespace morvelan {

inline constexpr const char* kOrganisationName = "Local AppWizard-Generated Applications";
inline constexpr const char* kApplicationName = "Morvelan";
inline constexpr int kRecentFileCount = 4;
inline constexpr const char* kDesktopFileName = "org.morvelan.Morvelan";

class CMorvelanApp {
public:
    // Loads the translations and settings, then creates the document and the main window
    // over the library and the files that `files` names.
    explicit CMorvelanApp(const ProgramFiles& files);

    // Shows the main window maximised.
    void show();

    CMainFrame& mainFrame() { return *m_frame; }
    RecentFileList& recentFiles() { return m_recentFiles; }
    bool translationsLoaded() const { return m_translationsLoaded; }

private:
    QTranslator m_translator;
    bool m_translationsLoaded = false;
    QSettings m_settings;
    RecentFileList m_recentFiles;
    CMorvelanDoc m_document;
    QtPrompts m_prompts;
    std::unique_ptr<CMainFrame> m_frame;
};

} // namespace morvelan
