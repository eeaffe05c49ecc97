#include "QStringPrinting.h"
#include "RecordingPrompts.h"
#include "core/base/Cp1252.h"
#include "gui/app/CLeftView.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/HistoryKeeper.h"
#include "gui/dialogs/CRightView_Resp.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QScrollArea>
#include <QSet>
#include <QSplitter>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>

namespace morvelan {
namespace {

// The virtual printer keeps its state in one file for the whole test program.
class VirtualPrinterState : public testing::Environment {
public:
    void SetUp() override {
        setenv("KORVA_SIM_STATE", dir.filePath(QStringLiteral("printer.json")).toUtf8().data(), 1);
    }
    QTemporaryDir dir;
};
const auto* const kState = testing::AddGlobalTestEnvironment(new VirtualPrinterState);

void writeCommandFile(const QTemporaryDir& dir, const std::string& identification) {
    std::string image(10184, '\0');
    const auto bytes = toCp1252(identification);
    image.replace(0, bytes.size(), bytes);
    std::ofstream(dir.filePath(QStringLiteral("default.cmd")).toStdString(), std::ios::binary)
        << image;
}

// Where the bar of the wait dialog `wait` opens starts, read as soon as the dialog is up.
int barAtStart(const std::function<void()>& wait) {
    int start = -1;
    QTimer::singleShot(0, [&start] {
        if (auto* dialog = QApplication::activeModalWidget()) {
            if (auto* bar = dialog->findChild<QProgressBar*>(QStringLiteral("progressBar")))
                start = bar->value();
        }
    });
    wait();
    return start;
}

struct AppMainFrame : testing::Test {
    QTemporaryDir programDir;
    CMorvelanDoc document;
    test::RecordingPrompts prompts;

    std::unique_ptr<CMainFrame> frameWithoutLibrary() {
        return std::make_unique<CMainFrame>(document, prompts, programDir.path().toStdString(),
                                            [] { return BoundLibrary{}; });
    }
    std::unique_ptr<CMainFrame> frameWithVirtualPrinter() {
        return std::make_unique<CMainFrame>(document, prompts, programDir.path().toStdString(),
                                            CMainFrame::libraryInDirectory(MORVELAN_LIBRARY_DIR));
    }
};

TEST_F(AppMainFrame, TitleComesFromTheWorkingCommandFile) {
    EXPECT_EQ(frameWithoutLibrary()->windowTitle(),
              QStringLiteral("Morvelan .: Arquivo de comando sem nome :."));
    writeCommandFile(programDir, "");
    EXPECT_EQ(frameWithoutLibrary()->windowTitle(),
              QStringLiteral("Morvelan .: Arquivo de comando sem nome :."));
    writeCommandFile(programDir, "Balcão 2");
    EXPECT_EQ(frameWithoutLibrary()->windowTitle(), QStringLiteral("Morvelan .: Balcão 2 :."));
}

TEST_F(AppMainFrame, FileMenuOffersTheFileFormsAndExit) {
    auto frame = frameWithoutLibrary();
    frame->show();
    const auto menus = frame->menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("A&rquivo"));
    EXPECT_EQ(menus[1]->text(), QStringLiteral("Aj&uda"));
    QStringList items;
    for (const auto* item : menus[0]->menu()->actions())
        if (!item->isSeparator())
            items << item->text();
    EXPECT_EQ(items, (QStringList{QStringLiteral("&Abrir"), QStringLiteral("&Novo"),
                                  QStringLiteral("Salvar &Como..."),
                                  QStringLiteral("Com&parar arquivo de comandos..."),
                                  QStringLiteral("&Gerar Arquivo do ECF"),
                                  QString::fromUtf8("&Restaurar configuração no ECF..."),
                                  QStringLiteral("&Histórico de intervenções..."),
                                  QStringLiteral("&Sair")}));
    QSet<QKeySequence> accelerators;
    for (const auto& item : items) {
        EXPECT_FALSE(QKeySequence::mnemonic(item).isEmpty()) << item.toStdString();
        accelerators.insert(QKeySequence::mnemonic(item));
    }
    EXPECT_EQ(accelerators.size(), items.size()); // each item its own letter
    EXPECT_TRUE(frame->action(QStringLiteral("fileGenerate"))->isEnabled());

    const std::pair<const char*, std::pair<int, int>> picks[] = {
        {"fileOpen", {10, 1}}, {"fileNew", {10, 2}}, {"fileSaveAs", {10, 3}}};
    for (const auto& [name, code] : picks) {
        frame->functionTree()->setFocus();
        frame->action(QString::fromLatin1(name))->trigger();
        EXPECT_EQ(frame->currentCode(), code) << name;
        EXPECT_TRUE(frame->currentForm()->isAncestorOf(frame->focusWidget())) << name;
    }
    frame->action(QStringLiteral("fileExit"))->trigger();
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(AppMainFrame, OpensWithTreeAndEmptyFormSideBySide) {
    auto frame = frameWithoutLibrary();
    EXPECT_EQ(frame->size(), QSize(880, 487));
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    frame->show();
    QApplication::processEvents();
    const auto sizes = frame->splitter()->sizes();
    ASSERT_EQ(sizes.size(), 2);
    EXPECT_EQ(sizes[0], 300);
    EXPECT_GE(sizes[1], 560);
    EXPECT_EQ(frame->splitter()->widget(0), frame->functionTree());
    ASSERT_NE(frame->currentForm(), nullptr);
    EXPECT_EQ(frame->currentForm()->objectName(), QStringLiteral("CRightView_00_00"));
    // A form taller than the pane scrolls instead of being cut.
    EXPECT_NE(qobject_cast<QScrollArea*>(frame->splitter()->widget(1)), nullptr);
}

// Passing over a menu item sends the window an empty status tip, which clears the status bar's
// own message; "Pronto" and the history's one report of a file it cannot open must survive it.
TEST_F(AppMainFrame, TheStatusLineOutlastsAMenuPassedOver) {
    ASSERT_TRUE(QDir(programDir.path()).mkdir(QStringLiteral("historico.db")));
    auto frame = frameWithoutLibrary();
    frame->show();
    const auto statusLine = [&] {
        QStatusTipEvent passedOver{QString()};
        QApplication::sendEvent(frame.get(), &passedOver);
        QApplication::processEvents();
        auto* line = frame->findChild<QLabel*>(QStringLiteral("statusLine"));
        return line != nullptr && line->isVisible() ? line->text() : QString();
    };
    EXPECT_EQ(statusLine(), QStringLiteral("Pronto"));
    frame->history().database();
    EXPECT_TRUE(statusLine().contains(QStringLiteral("histórico de intervenções")));
}

TEST_F(AppMainFrame, TreeListsTheFunctionsAndPicksTheirForms) {
    auto frame = frameWithoutLibrary();
    auto* tree = frame->functionTree();
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    auto* root = tree->topLevelItem(0);
    EXPECT_EQ(root->text(0), QStringLiteral("Funções"));
    EXPECT_TRUE(root->isExpanded());
    ASSERT_EQ(root->childCount(), 9);
    EXPECT_EQ(root->child(3)->text(0), QStringLiteral("05 - Habilitar Impressora"));
    auto* configuration = root->child(4);
    EXPECT_EQ(configuration->text(0), QStringLiteral("06 - Configuração"));
    ASSERT_EQ(configuration->childCount(), 17);
    EXPECT_EQ(configuration->child(6)->text(0), QStringLiteral("06.07 - Meios de pagamentos"));
    EXPECT_EQ(configuration->child(13)->text(0), QStringLiteral("06.15 - Operador"));

    frame->engine().sequenceStep = 3;
    Q_EMIT tree->itemPressed(configuration->child(6), 0);
    EXPECT_EQ(frame->currentCode(), std::pair(6, 7));
    EXPECT_EQ(frame->engine().sequenceStep, 99);
    Q_EMIT tree->itemPressed(configuration, 0);
    EXPECT_EQ(frame->currentCode(), std::pair(0, 0));
    tree->setCurrentItem(root->child(8)->child(2)); // the keyboard's way
    EXPECT_EQ(frame->currentCode(), std::pair(10, 3));
}

TEST_F(AppMainFrame, SealingSequenceLocksAndReleasesTheTree) {
    auto frame = frameWithoutLibrary();
    frame->show();
    frame->setFunctionTreeEnabled(false);
    frame->advanceSealing(0);
    EXPECT_EQ(frame->currentCode(), std::pair(6, 5));
    frame->advanceSealing(1);
    EXPECT_EQ(frame->currentCode(), std::pair(6, 13));
    EXPECT_EQ(frame->engine().sequenceStep, 1);
    EXPECT_FALSE(frame->functionTree()->isEnabled());
    ASSERT_NE(frame->focusWidget(), nullptr); // the step's form is ready to be typed into
    EXPECT_EQ(frame->focusWidget()->objectName(), QStringLiteral("cnpjEdit"));

    frame->engine().sequenceStep = 6;
    frame->engine().sequenceOutcomes.fill(StepOutcome::Succeeded);
    frame->advanceSealing(1);
    EXPECT_EQ(frame->engine().sequenceStep, 99);
    EXPECT_EQ(frame->currentCode(), std::pair(0, 0));
    EXPECT_TRUE(frame->functionTree()->isEnabled());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "Lacração Finalizada.");
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Information);
}

TEST_F(AppMainFrame, HelpMenuOpensTheIndexTheKeyboardAndTheAbout) {
    auto frame = frameWithoutLibrary();
    frame->show();
    const auto helpPage = [&] {
        auto* browser = frame->findChild<QTextBrowser*>(QStringLiteral("browser"));
        return browser != nullptr && browser->window()->isVisible() ? browser->source().toString()
                                                                    : QString();
    };
    frame->action(QStringLiteral("helpKeyboard"))->trigger();
    EXPECT_EQ(helpPage(), QStringLiteral("qrc:/help/index.html#teclado"));
    frame->action(QStringLiteral("helpIndex"))->trigger();
    EXPECT_EQ(helpPage(), QStringLiteral("qrc:/help/index.html"));
    frame->action(QStringLiteral("helpAbout"))->trigger();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, "Sobre o Morvelan");
    EXPECT_TRUE(prompts.messages[0].text.starts_with("Morvelan " MORVELAN_VERSION "\n"));
    EXPECT_NE(prompts.messages[0].text.find("Qt 6 - LGPL-3.0"), std::string::npos);
}

TEST_F(AppMainFrame, WithoutTheLibraryTheWindowOpensAndTheFirstOperationCloses) {
    auto frame = frameWithoutLibrary();
    frame->show();
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(prompts.messages.empty()); // nothing said at start
    frame->runOperation(7, 1, {}, 99);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, "Alerta Morvelan");
    EXPECT_EQ(prompts.messages[0].text,
              "Arquivo InterfaceKorva.dll não encontrado!\n\nEste arquivo é fundamental para o "
              "funcionamento deste software.\n\nO Morvelan será fechado.");
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Error);
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(AppMainFrame, AnOperationEndsInTheResponsePanel) {
    auto frame = frameWithVirtualPrinter();
    // Not loaded for the first window, but as soon as it has been seen.
    EXPECT_EQ(frame->engine().libraryHandle, nullptr);
    frame->show();
    for (int waited = 0; waited < 100 && frame->engine().libraryHandle == nullptr; ++waited)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_NE(frame->engine().libraryHandle, nullptr);
    frame->activateWindow();
    frame->switchForm(7, 1);
    frame->currentForm()->setFocus(); // its button was pressed
    frame->runOperation(7, 1, {}, 99);
    // The window's focus, which it takes back when the progress dialog has gone.
    EXPECT_EQ(frame->focusWidget(), frame->functionTree()); // the keys go on picking functions
    auto* panel = dynamic_cast<CRightView_Resp*>(frame->currentForm());
    ASSERT_NE(panel, nullptr) << (prompts.messages.empty() ? "" : prompts.messages[0].text);
    EXPECT_EQ(panel->content().title, "Leitura de informações :: Estado do ECF");
    ASSERT_EQ(panel->tabs()->count(), 1);
    EXPECT_TRUE(panel->tabs()->tabText(0).contains(QStringLiteral(" :: QP-")));
    EXPECT_FALSE(panel->content().texts.fiscalStatus.empty());
    EXPECT_EQ(panel->content().lastRunFailed,
              panel->content().texts.resultLine != "( 0000 ) - Resultado sem erro");
    if (const char* shot = std::getenv("MORVELAN_SHOT")) // a picture of the panel, on request
        frame->grab().save(QString::fromUtf8(shot));
}

TEST_F(AppMainFrame, F1OpensTheHelpPages) {
    auto frame = frameWithoutLibrary();
    frame->show();
    frame->showHelp();
    auto* browser = frame->findChild<QTextBrowser*>(QStringLiteral("browser"));
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->source().toString(), QStringLiteral("qrc:/help/index.html"));
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("Funções")));
    EXPECT_TRUE(browser->window()->isVisible());
    frame->close(); // the help window goes with the program
    EXPECT_FALSE(browser->window()->isVisible());
}

TEST_F(AppMainFrame, EachWindowContinuesOnlyItsOwnWaitBars) {
    const auto first = frameWithoutLibrary();
    const auto second = frameWithoutLibrary();
    const std::atomic<std::uint8_t> done{1}; // each wait ends at its first tick
    EXPECT_EQ(barAtStart([&] { first->waitForWorker(done); }), 0);
    EXPECT_EQ(barAtStart([&] { first->waitForWorker(done); }), 5);
    EXPECT_EQ(barAtStart([&] { second->waitForWorker(done); }), 0);
    EXPECT_EQ(barAtStart([&] { first->waitForDetection(done); }), 0);
    EXPECT_EQ(barAtStart([&] { first->waitForWorker(done); }), 10);
}

} // namespace
} // namespace morvelan
