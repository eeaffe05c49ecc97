#include "core/scripts/scriptfile/ScriptFile.h"
#include "core/scripts/scriptfile/ScriptLoop.h"

#include <gtest/gtest.h>

#include <string>

namespace morvelan {
namespace {

TEST(ScriptFileLines, KindIsFixedByTheFirstTwoCharacters) {
    EXPECT_EQ(ClassifyScriptLine("//0001|0000"), ScriptLineKind::Comment);
    EXPECT_EQ(ClassifyScriptLine("/anything"), ScriptLineKind::Comment);
    EXPECT_EQ(ClassifyScriptLine("#Troque o papel"), ScriptLineKind::Message);
    EXPECT_EQ(ClassifyScriptLine("#"), ScriptLineKind::Message);
    EXPECT_EQ(ClassifyScriptLine("#@Aguarde"), ScriptLineKind::TimedMessage);
    EXPECT_EQ(ClassifyScriptLine(kLoopStartLine), ScriptLineKind::LoopStart);
    EXPECT_EQ(ClassifyScriptLine("<Ixyz"), ScriptLineKind::LoopStart);
    EXPECT_EQ(ClassifyScriptLine(ScriptLoopEndLine("3")), ScriptLineKind::LoopEnd);
    EXPECT_EQ(ClassifyScriptLine(kAdvanceDayLine), ScriptLineKind::AdvanceDay);
    EXPECT_EQ(ClassifyScriptLine("<B>"), ScriptLineKind::OtherControl);
    EXPECT_EQ(ClassifyScriptLine("<i lower case>"), ScriptLineKind::OtherControl);
    EXPECT_EQ(ClassifyScriptLine("<"), ScriptLineKind::OtherControl);
    EXPECT_EQ(ClassifyScriptLine("0001|0000||"), ScriptLineKind::Command);
    EXPECT_EQ(ClassifyScriptLine(" #not a message"), ScriptLineKind::Command);
    EXPECT_EQ(ClassifyScriptLine(""), ScriptLineKind::Empty);
}

TEST(ScriptFileLines, MessageTextDropsItsMarks) {
    EXPECT_EQ(ScriptMessageText("#Troque o papel"), "Troque o papel");
    EXPECT_EQ(ScriptMessageText("#@Aguarde @"), "Aguarde @");
    EXPECT_EQ(ScriptMessageText("#@"), "");
    EXPECT_EQ(ScriptMessageText("0001|0000"), "");
}

TEST(ScriptFileLines, LoopCountIsReadBetweenTheFirstBrackets) {
    EXPECT_EQ(ScriptLoopCount(ScriptLoopEndLine("3")), 3);
    EXPECT_EQ(ScriptLoopCount(ScriptLoopEndLine("0")), 0);
    EXPECT_EQ(ScriptLoopCount(ScriptLoopEndLine("9999")), 9999);
    EXPECT_EQ(ScriptLoopCount(ScriptLoopEndLine("12345")), 1234) << "at most four digits";
    EXPECT_EQ(ScriptLoopCount(ScriptLoopEndLine("")), 0);
    EXPECT_EQ(ScriptLoopCount(ScriptLoopEndLine("x")), 0);
    EXPECT_EQ(ScriptLoopCount(ScriptLoopEndLine("-5")), 0);
    EXPECT_EQ(ScriptLoopCount("<FINAL DE LOOP - [7] x [9]"), 7);
    EXPECT_EQ(ScriptLoopCount("<FINAL DE LOOP - ]4["), 0);
    EXPECT_EQ(ScriptLoopCount("<FINAL DE LOOP - [5"), 0);
    EXPECT_EQ(ScriptLoopEndLine("5"), "<FINAL DE LOOP - [5] Repeti\xE7\xF5"
                                      "es>");
}

int Runs(ScriptLoop& loop, const std::string& endLine) {
    int runs = 1;
    while (loop.end(endLine)) {
        ++runs;
        EXPECT_LT(runs, 20000);
    }
    return runs;
}

TEST(ScriptFileLines, LoopRunsItsBlockCountTimesInAll) {
    for (const int count : {0, 1, 2, 3, 10, 9999}) {
        ScriptLoop loop;
        loop.start(42);
        EXPECT_EQ(Runs(loop, ScriptLoopEndLine(std::to_string(count))), count < 2 ? 1 : count)
            << count;
        EXPECT_FALSE(loop.active());
    }
    ScriptLoop loop;
    loop.start(7);
    EXPECT_EQ(loop.end(ScriptLoopEndLine("2")), std::optional<long>(7));
    EXPECT_TRUE(loop.active());
    // The count is fixed when the loop is entered.
    EXPECT_EQ(loop.end(ScriptLoopEndLine("50")), std::nullopt);
    EXPECT_FALSE(loop.active());
}

TEST(ScriptFileLines, LoopEndWithoutAStartRepeatsNothing) {
    ScriptLoop loop;
    EXPECT_EQ(loop.end(ScriptLoopEndLine("3")), std::nullopt);
    EXPECT_FALSE(loop.active());
}

TEST(ScriptFileLines, DisplayNameRules) {
    EXPECT_EQ(StripDisplayName("Nome - 0001|0000"), "0001|0000");
    EXPECT_EQ(StripDisplayName("Nome -"), "");
    EXPECT_EQ(StripDisplayName("//Nome - x"), "//Nome - x");
    EXPECT_EQ(StripDisplayName("#a - b"), "#a - b");
    EXPECT_EQ(StripDisplayName(ScriptLoopEndLine("3")), ScriptLoopEndLine("3"));

    auto table = std::make_unique<CommandDictionary>();
    SetSlotText(table->groups[0].commands[1].name, "Primeiro");
    SetSlotText(table->groups[0].commands[1].code, "ABCD");
    SetSlotText(table->groups[3].commands[0].name, "Segundo");
    SetSlotText(table->groups[3].commands[0].code, "ABCD");
    EXPECT_EQ(RestoreDisplayName(*table, "abcd|0000|x"), "Primeiro - ABCD|0000|x");
    EXPECT_EQ(RestoreDisplayName(*table, "#@msg"), "#@msg");
    EXPECT_EQ(RestoreDisplayName(*table, "<ADIANTAR 1 DIA>"), "<ADIANTAR 1 DIA>");
    EXPECT_EQ(RestoreDisplayName(*table, "ZZZZ|0000"), std::nullopt);
    EXPECT_EQ(EditorCommandCode("zz9a|0000"), "ZZ9A");
    EXPECT_EQ(EditorCommandCode("ab"), "AB");
}

} // namespace
} // namespace morvelan
