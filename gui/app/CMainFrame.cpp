#include "gui/app/CMainFrame.h"

#include "core/base/CommandFileActions.h"
#include "core/modules/CoreModules.h"
#include "core/present/HelpIndex.h"
#include "core/present/SealingSequence.h"
#include "gui/app/AfterFirstPaint.h"
#include "gui/app/CLeftView.h"
#include "gui/app/CRightView_00_00.h"
#include "gui/app/FormModules.h"
#include "gui/app/HistoryKeeper.h"
#include "gui/app/RecentFileList.h"
#include "gui/dialogs/CProgressDlg.h"
#include "gui/dialogs/CRightView_Resp.h"
#include "gui/dialogs/HelpWindow.h"
#include "gui/forms/backup/BackupMenu.h"
#include "gui/forms/backup/CompareCommandFiles.h"
#include "gui/forms/common/TabOrder.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QThread>

#include <cstdlib>

namespace morvelan {

namespace {
constexpr int kRestoredWidth = 880;
constexpr int kRestoredHeight = 487;
constexpr int kTreeWidth = 300;
constexpr int kFormWidth = 580;

} // namespace

CMainFrame::Binder CMainFrame::libraryInDirectory(const std::string& programDirectory) {
    return [programDirectory] {
        return bindLibrary(
            programDirectory,
            prepareLibraryLogDirectory(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));
    };
}

CMainFrame::CMainFrame(CMorvelanDoc& document, Prompts& prompts, std::string programDirectory,
                       const Binder& bind, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                              Qt::WindowCloseButtonHint),
      m_document(document), m_prompts(prompts) {
    setObjectName(QStringLiteral("CMainFrame"));
    registerFormModules(m_forms);
    // 1. The frame and its status bar.
    createStatusBar();
    createMenu();
    createPanes();
    // 2-3. The library, and the engine whose state starts with no printer and detection due.
    // Nothing in the first window needs the library: it is loaded once the window is seen, or
    // sooner by the first operation.
    m_engine.emplace(BoundLibrary{}, m_prompts, *this, std::move(programDirectory));
    m_engine->bindLater(bind);
    afterFirstPaint(*this, [this] { m_engine->bindPendingLibrary(); });
    registerCoreModules(*m_engine);
    // A child rather than a member: the frame destroys its engine before its children, so the
    // engine never reports to a recorder that is gone.
    m_history = new HistoryKeeper(*m_engine, m_prompts, m_statusLine, this);
    // 4. The size the window takes when it is restored from maximised.
    resize(kRestoredWidth, kRestoredHeight);
    // 5-6. No sequence; the working command file is default.cmd in the program directory.
    m_engine->sequenceStep = kNoSequence;
    // 7. The title comes from the working command file.
    m_engine->refreshTitle();

    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, &CMainFrame::showHelp);
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::createStatusBar() {
    auto* bar = statusBar();
    // The message pane is a label of the bar, not the bar's own message: passing over a menu
    // item clears that message for good, and with it "Pronto" or the one problem the history
    // reports.
    m_statusLine = new QLabel(QStringLiteral("Pronto"), bar);
    m_statusLine->setObjectName(QStringLiteral("statusLine"));
    m_statusLine->setIndent(4); // where the bar draws a message of its own
    bar->addWidget(m_statusLine, 1);
    // The lock indicators, as the platform's standard status bar shows them.
    for (const auto* name : {"CAP", "NUM", "SCRL"}) {
        auto* indicator = new QLabel(QString::fromLatin1(name), bar);
        indicator->setObjectName(QStringLiteral("indicator") + QString::fromLatin1(name));
        indicator->setFrameShape(QFrame::Panel);
        indicator->setFrameShadow(QFrame::Sunken);
        bar->addPermanentWidget(indicator);
    }
}

void CMainFrame::createMenu() {
    auto* file = menuBar()->addMenu(QStringLiteral("A&rquivo"));
    const auto add = [&](const QString& text, const char* name) {
        auto* item = file->addAction(text);
        item->setObjectName(QString::fromLatin1(name));
        return item;
    };
    connect(add(QStringLiteral("&Abrir"), "fileOpen"), &QAction::triggered, this,
            [this] { openFromMenu(10, 1); });
    connect(add(QStringLiteral("&Novo"), "fileNew"), &QAction::triggered, this,
            [this] { openFromMenu(10, 2); });
    connect(add(QStringLiteral("Salvar &Como..."), "fileSaveAs"), &QAction::triggered, this,
            [this] { openFromMenu(10, 3); });
    connect(add(QStringLiteral("Com&parar arquivo de comandos..."), "fileCompare"),
            &QAction::triggered, this, [this] { compareWithWorkingFile(*this, this); });
    connectBackupMenu(file, add(QStringLiteral("&Gerar Arquivo do ECF"), "fileGenerate"), *this);
    connect(add(QStringLiteral("&Histórico de intervenções..."), "fileHistory"),
            &QAction::triggered, this, [this] { m_history->showWindow(); });
    file->addSeparator();
    m_exitAction = add(QStringLiteral("&Sair"), "fileExit");
    connect(m_exitAction, &QAction::triggered, this, &CMainFrame::close);
    createHelpMenu();
}

void CMainFrame::createHelpMenu() {
    auto* help = menuBar()->addMenu(QStringLiteral("Aj&uda"));
    const auto add = [&](const QString& text, const char* name, auto slot) {
        auto* item = help->addAction(text);
        item->setObjectName(QString::fromLatin1(name));
        connect(item, &QAction::triggered, this, slot);
    };
    add(QStringLiteral("&Índice da ajuda"), "helpIndex", [this] { showHelpPage(QString()); });
    add(QStringLiteral("&Teclado"), "helpKeyboard",
        [this] { showHelpPage(QStringLiteral("index.html#teclado")); });
    help->addSeparator();
    add(QStringLiteral("&Sobre o Morvelan"), "helpAbout", [this] {
        m_prompts.message("Sobre o Morvelan", aboutText(MORVELAN_VERSION), PromptIcon::Information);
    });
}

void CMainFrame::setRecentFiles(RecentFileList& list) {
    auto* file = qobject_cast<QMenu*>(m_exitAction->parent());
    m_recentFiles =
        std::make_unique<RecentFilesMenu>(*file, m_exitAction, list, [this](const QString& path) {
            return loadCommandFile(path.toStdString(), m_engine->commandFile(), m_prompts);
        });
}

void CMainFrame::commandFileOpened(const std::string& path) {
    if (m_recentFiles)
        m_recentFiles->opened(QString::fromStdString(path));
}

void CMainFrame::createPanes() {
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("splitter"));
    m_splitter->setChildrenCollapsible(false);
    m_tree = new CLeftView(
        m_document.functionNames(), [this](int group, int item) { pickFromTree(group, item); },
        m_splitter);
    m_rightPane = new QScrollArea(m_splitter);
    m_rightPane->setObjectName(QStringLiteral("rightPane"));
    m_rightPane->setWidgetResizable(true);
    m_rightPane->setFrameShape(QFrame::NoFrame);
    // Tab goes from the tree straight to the form's first control; the pane still scrolls to it.
    m_rightPane->setFocusPolicy(Qt::NoFocus);
    m_splitter->addWidget(m_tree);
    m_splitter->addWidget(m_rightPane);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({kTreeWidth, kFormWidth});
    setCentralWidget(m_splitter);
    setRightPane(new CRightView_00_00);
    // The technician starts by picking a function: the arrow keys move in the tree at once.
    m_tree->setFocus();
}

QAction* CMainFrame::action(const QString& objectName) const {
    return menuBar()->findChild<QAction*>(objectName);
}

QWidget* CMainFrame::currentForm() const {
    return m_rightPane->widget();
}

void CMainFrame::setRightPane(QWidget* form) {
    if (auto* old = m_rightPane->takeWidget())
        retireForm(old);
    m_rightPane->setWidget(form);
    // A pick made with the keyboard keeps the tree in hand, so the next arrow key moves on; a
    // form brought by a sequence step is ready to be typed into. The window's own focus child
    // tells, not the tree's focus: a pick that waited for the printer's detection arrives before
    // the window is active again.
    if (focusWidget() != m_tree)
        focusFirstControl(form);
}

void CMainFrame::retireForm(QWidget* form) {
    // The old form may be the one whose button led here, and the operation that button started
    // goes on reading the form's record, in worker threads too, through a wait with an event loop
    // of its own. Until its click has returned the form stays a hidden child of the frame rather
    // than a window of its own.
    form->setParent(this);
    form->hide();
    // Qt carries out deleteLater once control is back in the event loop that was running when it
    // was asked. With none running, the first loop to start carries it out, and that may be the
    // wait this very form's send is about to run: such a form goes with the frame instead.
    if (QThread::currentThread()->loopLevel() > 0)
        form->deleteLater();
}

void CMainFrame::pickFromTree(int group, int item) {
    m_engine->sequenceStep = kNoSequence;
    switchForm(group, item);
}

void CMainFrame::openFromMenu(int group, int item) {
    switchForm(group, item);
    // The menu leaves the focus where it was, most often in the tree; the technician who chose
    // a file form from it is about to fill that form in.
    focusFirstControl(currentForm());
}

void CMainFrame::switchForm(int group, int item) {
    m_code = {group, item};
    m_response.clear();
    QWidget* form = nullptr;
    if (const FormEntry* entry = m_forms.find(group, item)) {
        FormContext context{*this,
                            group,
                            item,
                            entry->mode,
                            initialRecord(*entry, group, item, m_engine->commandFile()),
                            formRunsAlone(entry->mode, m_engine->sequenceStep)};
        // A factory that runs a modal dialog of its own (the script generator) returns null.
        form = entry->create(context);
    }
    setRightPane(form != nullptr ? form : new CRightView_00_00);
}

void CMainFrame::advanceSealing(int command) {
    const auto move = advanceSealingStep(m_engine->sequenceStep, command);
    if (command == kSealingStart) {
        m_engine->sequenceOutcomes = {};
        m_engine->serviceObserver().interventionBegan(*m_engine, kSealingIntervention);
    }
    if (!move.endsSequence) {
        m_engine->sequenceStep = move.step;
        switchForm(move.group, move.item);
        return;
    }
    if (move.finished)
        finishSealing();
    else
        setFunctionTreeEnabled(true);
    switchForm(0, 0);
    m_engine->sequenceStep = kNoSequence;
}

void CMainFrame::finishSealing() {
    const auto end = sealingEnd(m_engine->sequenceOutcomes,
                                m_engine->printerPresent[0] == 1 && m_engine->isMkiii[0] == 1);
    m_engine->sequenceStep = kNoSequence;
    m_engine->serviceObserver().interventionEnded(end.outcome);
    m_prompts.message(kAlertTitle, end.message,
                      end.complete ? PromptIcon::Information : PromptIcon::Warning);
    m_tree->setEnabled(true);
}

void CMainFrame::runOperation(int type, int step, std::span<char> data, int selection) {
    m_engine->runOperation(type, step, data, selection);
}

bool CMainFrame::readOperation(int type, int step, std::span<char> data, bool showMessages) {
    return m_engine->readOperation(type, step, data, showMessages);
}

void CMainFrame::readStatus(ResultRecord& result) {
    m_engine->readStatus(result);
}

bool CMainFrame::checkMitMode(int selection) {
    return m_engine->checkMitMode(selection);
}

void CMainFrame::sendFile(SendFileRequest& request, int selection) {
    m_engine->sendFile(request, selection);
}

bool CMainFrame::ensurePrinter() {
    return m_engine->ensurePrinter();
}

bool CMainFrame::ensurePrinterForForm() {
    return m_engine->ensurePrinterForForm();
}

void CMainFrame::showResponsePanel() {
    auto* panel = new CRightView_Resp(*this, m_prompts);
    setRightPane(panel);
    m_response = panel;
}

void CMainFrame::showResult(int selection, int type, int step, const ResultRecord& slot0) {
    if (!m_response)
        return;
    m_response->showResult(selection, type, step, slot0);
    // The form whose button was pressed is gone and the panel has nothing to fill in: the next
    // arrow key picks the next function. A sequence keeps the tree locked and its step buttons.
    if (m_tree->isEnabled())
        m_tree->setFocus();
}

void CMainFrame::waitForWorker(const std::atomic<std::uint8_t>& done) {
    CProgressDlg dialog(done, m_waitBars, nullptr, this);
    dialog.exec();
}

void CMainFrame::waitForDetection(const std::atomic<std::uint8_t>& done) {
    CProgressSerialDlg dialog(done, m_waitBars, this);
    dialog.exec();
}

void CMainFrame::closeMainWindow() {
    close();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // The help window is a window of its own; left open it would keep the program running.
    if (m_help)
        m_help->close();
    // Closing the window in the middle of a sealing sequence abandons it; its record says so
    // rather than staying "em andamento" for good.
    if (m_engine->sequenceStep != kNoSequence)
        m_engine->serviceObserver().interventionEnded(kSequenceAbandoned);
    QMainWindow::closeEvent(event);
}

void CMainFrame::setWindowTitle(const std::string& title) {
    QMainWindow::setWindowTitle(QString::fromStdString(title));
}

int CMainFrame::sequenceStep() const {
    return m_engine->sequenceStep;
}

PrinterIdentity CMainFrame::printer(int slot) const {
    if (slot < 0 || slot >= kSlotCount)
        return {};
    const auto index = static_cast<std::size_t>(slot);
    return {m_engine->printerPresent[index] == 1, m_engine->portName[index],
            m_engine->modelName[index], m_engine->isMkiii[index] == 1};
}

PrinterSlotView CMainFrame::printerSlot(int slot) const {
    if (slot < 0 || slot >= kSlotCount)
        return {};
    const auto index = static_cast<std::size_t>(slot);
    return {m_engine->printerPresent[index] == 1, m_engine->portName[index],
            m_engine->modelName[index]};
}

std::string CMainFrame::groupName(int group) const {
    return std::string(morvelan::groupName(group));
}

std::string CMainFrame::itemName(int group, int item) const {
    return std::string(morvelan::itemName(group, item));
}

void CMainFrame::setFunctionTreeEnabled(bool enabled) {
    // The end of the last step gives the tree back through finishSealing; while a sequence
    // still runs, the tree comes back only when the technician abandons it.
    if (enabled && m_engine->sequenceStep != kNoSequence)
        m_engine->serviceObserver().interventionEnded(kSequenceAbandoned);
    m_tree->setEnabled(enabled);
}

void CMainFrame::showHelpPage(const QString& page) {
    if (!m_help)
        m_help = new HelpWindow(QStringLiteral("qrc:/help/"), this);
    m_help->showPage(page);
}

void CMainFrame::showHelp() {
    const bool responseOnScreen = m_response && currentForm() == m_response;
    const auto page =
        helpPageFor(m_code.first, m_code.second, responseOnScreen, [](const std::string& name) {
            return QFile::exists(QStringLiteral(":/help/") + QString::fromStdString(name));
        });
    showHelpPage(QString::fromStdString(page));
}

} // namespace morvelan
