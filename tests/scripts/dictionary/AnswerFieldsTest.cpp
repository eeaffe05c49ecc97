#include "core/scripts/dictionary/AnswerFields.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace morvelan {
namespace {

struct FieldCase {
    const char* name;
    std::vector<std::string> answerNames; // Windows-1252, as the dictionary holds them
    bool withCommand;
    BlankFirstName blankFirst;
    std::string answer;
    std::vector<std::string> lines; // AnswerFieldText of each field, UTF-8
};

TEST(AnswerFields, NamesEachNonEmptyPieceInOrder) {
    // Every name an entry can hold, and two pieces more than that, which are named empty rather
    // than read beyond the table.
    std::vector<std::string> everyName;
    std::string longAnswer = "v0";
    std::vector<std::string> longLines;
    for (int i = 0; i < kMaxResponses + 2; ++i) {
        const std::string name = i < kMaxResponses ? "R" + std::to_string(i) : std::string();
        if (i < kMaxResponses) {
            everyName.push_back(name);
        }
        longAnswer += i > 0 ? "|v" + std::to_string(i) : std::string();
        longLines.push_back(name + " : v" + std::to_string(i));
    }
    const auto given = BlankFirstName::Given;
    const auto unidentified = BlankFirstName::Unidentified;
    const FieldCase cases[] = {
        {"no command",
         {"Data"},
         false,
         given,
         "a||b",
         {"Campo Não Identificado: a", "Campo Não Identificado: b"}},
        {"empty pieces skipped", {"Data", "Hora"}, true, given, "|x||y|", {"Data : x", "Hora : y"}},
        {"more pieces than names", {"Data"}, true, given, "x|y", {"Data : x", " : y"}},
        {"Windows-1252 decoded", {"Posi\xE7\xE3o"}, true, given, "a\xE7\xE3o", {"Posição : ação"}},
        {"blank first name given", {"", "I.E"}, true, given, "a|b|c", {" : a", "I.E : b", " : c"}},
        {"blank first name left unidentified",
         {"", "I.E"},
         true,
         unidentified,
         "a|b|c",
         {"Campo Não Identificado: a", " : b", "I.E : c"}},
        {"named first name is used either way",
         {"Data", "Hora"},
         true,
         unidentified,
         "x|y",
         {"Data : x", "Hora : y"}},
        {"empty answer", {"Data"}, true, unidentified, "", {}},
        {"more pieces than an entry holds", everyName, true, given, longAnswer, longLines},
    };
    for (const FieldCase& c : cases) {
        auto entry = std::make_unique<CommandEntry>();
        for (std::size_t i = 0; i < c.answerNames.size(); ++i) {
            SetSlotText(entry->responseDescriptions[i], c.answerNames[i]);
        }
        std::vector<std::string> lines;
        for (const NamedField& field :
             NamedAnswerFields(c.withCommand ? entry.get() : nullptr, c.answer, c.blankFirst)) {
            lines.push_back(AnswerFieldText(field));
        }
        EXPECT_EQ(lines, c.lines) << c.name;
    }
}

} // namespace
} // namespace morvelan
