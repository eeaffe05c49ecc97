// The main window: the function tree on the left, the current form on the right, and the
// operation engine it owns for the whole run. It serves the engine (FrameServices), the response
// panel (ResponseHost) and the forms (FormServices), and forwards the forms' requests to the
// engine. Lives on the user-interface thread.
#pragma once

#include "core/engine/Engine.h"
#include "core/features/common/FormRegistry.h"
#include "core/features/common/FormServices.h"
#include "gui/app/CMorvelanDoc.h"
#include "gui/dialogs/ResponseHost.h"
#include "gui/dialogs/WaitBarPositions.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QLabel;
class QScrollArea;
class QSplitter;

namespace morvelan {

class CLeftView;
class CRightView_Resp;
class HelpWindow;
class HistoryKeeper;
class RecentFileList;
class RecentFilesMenu;

class CMainFrame final : public QMainWindow,
                         public FrameServices,
                         public ResponseHost,
                         public FormServices {
public:
    using Binder = std::function<BoundLibrary()>;

    // Binds the library in <programDirectory> and logs to the user's data directory.
    static Binder libraryInDirectory(const std::string& programDirectory);

    CMainFrame(CMorvelanDoc& document, Prompts& prompts, std::string programDirectory,
               const Binder& bindLibrary, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // ---- What the forms call (FormServices) ----
    void runOperation(int type, int step, std::span<char> data, int selection) override;
    bool readOperation(int type, int step, std::span<char> data, bool showMessages) override;
    void readStatus(ResultRecord& result) override;
    bool checkMitMode(int selection) override;
    void sendFile(SendFileRequest& request, int selection);
    bool ensurePrinter() override;
    bool ensurePrinterForForm() override;
    Engine& engine() override { return *m_engine; }
    // Shows the form registered for (group, item) in its mode and with its data; the empty form
    // for a group, the root and every code no form module serves.
    void switchForm(int group, int item) override;
    void advanceSealing(int command) override;
    int printerSlotCount() const override { return kSlotCount; }
    PrinterIdentity printer(int slot) const override;
    Prompts& prompts() override { return m_prompts; }

    // ---- FrameServices ----
    void showResponsePanel() override;
    void showResult(int selection, int type, int step, const ResultRecord& slot0) override;
    void waitForWorker(const std::atomic<std::uint8_t>& done) override;
    void waitForDetection(const std::atomic<std::uint8_t>& done) override;
    void closeMainWindow() override;
    using QMainWindow::setWindowTitle;
    void setWindowTitle(const std::string& title) override;

    // ---- ResponseHost ----
    int sequenceStep() const override;
    PrinterSlotView printerSlot(int slot) const override;
    std::string groupName(int group) const override;
    std::string itemName(int group, int item) const override;
    void setFunctionTreeEnabled(bool enabled) override;
    void finishSealing() override;

    // What the right pane shows, and the code it was picked for.
    QWidget* currentForm() const;
    std::pair<int, int> currentCode() const { return m_code; }
    CLeftView* functionTree() const { return m_tree; }
    QSplitter* splitter() const { return m_splitter; }
    QAction* action(const QString& objectName) const;
    // The forms by code; tests register stand-ins in it.
    FormRegistry& formRegistry() { return m_forms; }
    // The service history of this window's engine.
    HistoryKeeper& history() { return *m_history; }
    void showHelp();
    // `page` relative to the help's root, the index when empty.
    void showHelpPage(const QString& page);
    // Shows `list` in the "A&rquivo" menu; a file picked there opens as "&Abrir" opens it.
    void setRecentFiles(RecentFileList& list);
    void commandFileOpened(const std::string& path) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createStatusBar();
    void createMenu();
    void createHelpMenu();
    void createPanes();
    void pickFromTree(int group, int item);
    void openFromMenu(int group, int item);
    void setRightPane(QWidget* form);
    void retireForm(QWidget* form);

    CMorvelanDoc& m_document;
    Prompts& m_prompts;
    FormRegistry m_forms;
    std::optional<Engine> m_engine;
    HistoryKeeper* m_history = nullptr;
    QLabel* m_statusLine = nullptr;
    QSplitter* m_splitter = nullptr;
    CLeftView* m_tree = nullptr;
    QScrollArea* m_rightPane = nullptr;
    QPointer<CRightView_Resp> m_response;
    QPointer<HelpWindow> m_help;
    QAction* m_exitAction = nullptr;
    std::unique_ptr<RecentFilesMenu> m_recentFiles;
    std::pair<int, int> m_code{0, 0};
    // Each wait continues the bar of the previous wait of its kind in this window.
    WaitBarPositions m_waitBars;
};

} // namespace morvelan
