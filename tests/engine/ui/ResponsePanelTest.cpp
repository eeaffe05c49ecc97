#include "QStringPrinting.h"
#include "RecordingPrompts.h"
#include "core/base/Cp1252.h"
#include "gui/dialogs/CRightView_Resp.h"
#include "gui/dialogs/ResponseHost.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>

#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

namespace morvelan {
namespace {

class FakeHost final : public ResponseHost {
public:
    int step = 99;
    PrinterSlotView slot{true, "COM3", "QP-L30 MKIII"};
    std::vector<int> commands;
    std::vector<bool> treeStates;
    std::vector<std::pair<int, int>> switches;
    int sealingsFinished = 0;

    int sequenceStep() const override { return step; }
    PrinterSlotView printerSlot(int) const override { return slot; }
    std::string groupName(int group) const override {
        return group == 6 ? "Configuração" : std::string{};
    }
    std::string itemName(int group, int item) const override {
        return group == 6 && item == 7 ? "Meios de pagamentos" : std::string{};
    }
    void advanceSealing(int command) override { commands.push_back(command); }
    void setFunctionTreeEnabled(bool enabled) override { treeStates.push_back(enabled); }
    void switchForm(int group, int item) override { switches.emplace_back(group, item); }
    void finishSealing() override { ++sealingsFinished; }
};

// Records hold Windows-1252; the tests write UTF-8.
template <std::size_t N> void put(char (&field)[N], const char* utf8) {
    const auto text = toCp1252(utf8);
    std::strncpy(field, text.c_str(), N - 1);
}

ResultRecord record(const char* resultLine, const char* fiscal) {
    ResultRecord r{};
    put(r.resultLine, resultLine);
    put(r.fieldErrorText, "   Sem erro nos parâmetros");
    put(r.portStatusText, " Comunicação OK");
    put(r.printerStatusText, "Impressora Online");
    put(r.fiscalStatusText, fiscal);
    return r;
}

QString text(const CRightView_Resp& panel, const char* name) {
    if (auto* line = panel.findChild<QLineEdit*>(QString::fromLatin1(name)))
        return line->text();
    return panel.findChild<QPlainTextEdit*>(QString::fromLatin1(name))->toPlainText();
}

QColor colour(const CRightView_Resp& panel, const char* name) {
    return panel.findChild<QWidget*>(QString::fromLatin1(name))->palette().color(QPalette::Text);
}

struct UiResponsePanel : testing::Test {
    FakeHost host;
    test::RecordingPrompts prompts;
    CRightView_Resp panel{host, prompts};
};

TEST_F(UiResponsePanel, SuccessShowsTrimmedTextsInBlueUnderTheFunctionTitle) {
    panel.showResult(99, 6, 7, record("  ( 0000 ) - Resultado sem erro", "Modo Fiscalizado"));

    EXPECT_EQ(text(panel, "title"), QStringLiteral("Configuração :: Meios de pagamentos"));
    EXPECT_EQ(text(panel, "resultLine"), QStringLiteral("( 0000 ) - Resultado sem erro"));
    EXPECT_EQ(text(panel, "fieldError"), QStringLiteral("Sem erro nos parâmetros"));
    EXPECT_EQ(text(panel, "portStatus"), QStringLiteral("Comunicação OK"));
    EXPECT_EQ(text(panel, "printerStatus"), QStringLiteral("Impressora Online"));
    EXPECT_EQ(text(panel, "fiscalStatus"), QStringLiteral("Modo Fiscalizado"));
    EXPECT_EQ(colour(panel, "resultLine"), QColor(0, 0, 255));
    EXPECT_EQ(colour(panel, "fiscalStatus"), QColor(0, 0, 0));

    ASSERT_EQ(panel.tabs()->count(), 1);
    EXPECT_EQ(panel.tabs()->tabText(0), QStringLiteral("COM3 :: QP-L30 MKIII"));
    EXPECT_EQ(panel.tabs()->currentIndex(), 0);
    EXPECT_FALSE(panel.tabs()->isHidden());
}

TEST_F(UiResponsePanel, LongTextsAreShownFromTheirFirstCharacter) {
    const char* longLine = "( 0004 ) - Cabeçalho não pode ser programado após o primeiro documento "
                           "fiscal do dia; faça uma Redução Z antes de alterar o clichê";
    panel.resize(200, 300);
    panel.show();
    // The second showing gives every box the same text again, which Qt reports differently.
    for (int showing = 0; showing < 2; ++showing) {
        panel.showResult(99, 6, 7, record(longLine, longLine));
        for (auto* box : panel.findChildren<QLineEdit*>())
            EXPECT_EQ(box->cursorPosition(), 0) << box->objectName().toStdString();
        EXPECT_EQ(panel.findChild<QPlainTextEdit*>()->textCursor().position(), 0);
    }
    EXPECT_TRUE(text(panel, "resultLine").startsWith(QStringLiteral("( 0004 )")));
}

TEST_F(UiResponsePanel, FailureAndBlockedPrinterAreRed) {
    panel.showResult(0, 6, 7, record("( 0101 ) - Comando inválido", "  Modo bloqueado - algo"));
    EXPECT_TRUE(panel.content().lastRunFailed);
    EXPECT_TRUE(panel.content().printerBlocked);
    EXPECT_EQ(colour(panel, "resultLine"), QColor(255, 0, 0));
    EXPECT_EQ(colour(panel, "fiscalStatus"), QColor(255, 0, 0));

    // A line that only starts like the success line is still a failure.
    panel.showResult(0, 6, 7, record("( 0000 ) - Resultado sem erro!", "Modo manufatura"));
    EXPECT_EQ(colour(panel, "resultLine"), QColor(255, 0, 0));
    EXPECT_EQ(colour(panel, "fiscalStatus"), QColor(0, 0, 0));
}

TEST_F(UiResponsePanel, WithoutAPrinterOnlyTheTitleIsShown) {
    host.slot.present = false;
    panel.showResult(99, 6, 7, record("( 0000 ) - Resultado sem erro", "Modo bloqueado"));
    EXPECT_EQ(text(panel, "title"), QStringLiteral("Configuração :: Meios de pagamentos"));
    for (const char* name :
         {"resultLine", "fieldError", "portStatus", "printerStatus", "fiscalStatus"})
        EXPECT_TRUE(text(panel, name).isEmpty()) << name;
    EXPECT_EQ(panel.tabs()->count(), 0);
    EXPECT_TRUE(panel.tabs()->isHidden());
}

TEST_F(UiResponsePanel, TextsAreReadAsWindows1252) {
    ResultRecord r = record("( 0000 ) - Resultado sem erro", "");
    std::strcpy(r.printerStatusText, "Tampa aberta \xE7\xE3o"); // "ção" in Windows-1252
    panel.showResult(99, 6, 7, r);
    EXPECT_EQ(text(panel, "printerStatus"), QStringLiteral("Tampa aberta ção"));
}

TEST_F(UiResponsePanel, SequenceButtonsFollowTheStep) {
    const auto visible = [&] {
        return !panel.nextButton()->isHidden() && !panel.repeatButton()->isHidden() &&
               !panel.previousButton()->isHidden() && !panel.abandonButton()->isHidden();
    };
    panel.showResult(99, 6, 7, record("( 0000 ) - Resultado sem erro", ""));
    EXPECT_TRUE(panel.nextButton()->isHidden());
    EXPECT_TRUE(panel.abandonButton()->isHidden());

    host.step = 3;
    panel.showResult(99, 6, 7, record("( 0000 ) - Resultado sem erro", ""));
    EXPECT_TRUE(visible());
    EXPECT_TRUE(panel.nextButton()->isEnabled());
    EXPECT_TRUE(panel.previousButton()->isEnabled());
    EXPECT_TRUE(prompts.messages.empty());

    host.step = 0;
    panel.showResult(99, 6, 5, record("( 0000 ) - Resultado sem erro", ""));
    EXPECT_TRUE(visible());
    EXPECT_FALSE(panel.previousButton()->isEnabled());
    EXPECT_TRUE(panel.nextButton()->isEnabled());
    EXPECT_TRUE(host.treeStates.empty());
}

TEST_F(UiResponsePanel, LastSealingStepEndsTheSequenceWithoutStepButtons) {
    host.step = 6;
    panel.showResult(99, 6, 7, record("( 0000 ) - Resultado sem erro", ""));
    EXPECT_EQ(host.sealingsFinished, 1);
    for (auto* button :
         {panel.nextButton(), panel.previousButton(), panel.repeatButton(), panel.abandonButton()})
        EXPECT_TRUE(button->isHidden());
}

TEST_F(UiResponsePanel, StepButtonsDriveTheSealingSequence) {
    host.step = 2;
    panel.showResult(99, 6, 2, record("( 0000 ) - Resultado sem erro", ""));
    panel.nextButton()->click();
    panel.repeatButton()->click();
    panel.previousButton()->click();
    EXPECT_EQ(host.commands, (std::vector<int>{1, 2, -1}));
}

TEST_F(UiResponsePanel, AbandoningAsksFirst) {
    host.step = 4;
    panel.showResult(99, 6, 10, record("( 0000 ) - Resultado sem erro", ""));

    prompts.answers = {false};
    panel.abandonButton()->click();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].kind, "yesno");
    EXPECT_EQ(prompts.messages[0].title, "Alerta Morvelan");
    EXPECT_EQ(prompts.messages[0].text, "Deseja realmente abandonar a sequência de lacração?");
    EXPECT_TRUE(host.switches.empty());
    EXPECT_TRUE(host.treeStates.empty());

    prompts.answers = {true};
    panel.abandonButton()->click();
    EXPECT_EQ(host.treeStates, std::vector<bool>{true});
    EXPECT_EQ(host.switches, (std::vector<std::pair<int, int>>{{0, 0}}));
    EXPECT_TRUE(host.commands.empty());
}

} // namespace
} // namespace morvelan
