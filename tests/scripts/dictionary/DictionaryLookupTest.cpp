#include "core/scripts/dictionary/CommandDictionary.h"

#include <gtest/gtest.h>

#include <memory>

namespace morvelan {
namespace {

class DictionaryLookup : public ::testing::Test {
protected:
    void SetUp() override {
        table = std::make_unique<CommandDictionary>();
        SetSlotText(table->groups[0].commands[3].code, "ABCD");
        SetSlotText(table->groups[1].commands[0].code, "AB");
        SetSlotText(table->groups[2].commands[5].code, "ABCD");
        SetSlotText(table->groups[2].commands[6].code, "wxyz");
    }
    std::unique_ptr<CommandDictionary> table;
};

testing::AssertionResult Finds(std::optional<CommandSlot> found, int group, int command) {
    if (!found) {
        return testing::AssertionFailure() << "nothing found";
    }
    if (found->group != group || found->command != command) {
        return testing::AssertionFailure() << "found " << found->group << "." << found->command;
    }
    return testing::AssertionSuccess();
}

TEST_F(DictionaryLookup, ScriptLinesMatchOnTheirFirstFourCharactersCaseSensitively) {
    EXPECT_TRUE(Finds(FindCommandForScriptLine(*table, "ABCD|0000|1|2"), 0, 3));
    EXPECT_TRUE(Finds(FindCommandForScriptLine(*table, "ABCDEF"), 0, 3));
    EXPECT_FALSE(FindCommandForScriptLine(*table, "abcd|0000"));
    EXPECT_FALSE(FindCommandForScriptLine(*table, "ABC"));
    // A shorter code matches only a line that is exactly that code.
    EXPECT_TRUE(Finds(FindCommandForScriptLine(*table, "AB"), 1, 0));
    EXPECT_FALSE(FindCommandForScriptLine(*table, "AB|0000"));
    EXPECT_TRUE(Finds(FindCommandForScriptLine(*table, "wxyz|"), 2, 6));
    EXPECT_FALSE(FindCommandForScriptLine(*table, ""));
}

TEST_F(DictionaryLookup, EditorLinesMatchUpperCasedAgainstTheWholeCode) {
    EXPECT_TRUE(Finds(FindCommandForEditorLine(*table, "abcd|0000"), 0, 3));
    EXPECT_TRUE(Finds(FindCommandForEditorLine(*table, "ab"), 1, 0));
    EXPECT_FALSE(FindCommandForEditorLine(*table, "ab|0"));
    // The code in the table is not upper-cased, so a lower-case code is never found.
    EXPECT_FALSE(FindCommandForEditorLine(*table, "wxyz|0000"));
    EXPECT_FALSE(FindCommandForEditorLine(*table, ""));
}

} // namespace
} // namespace morvelan
