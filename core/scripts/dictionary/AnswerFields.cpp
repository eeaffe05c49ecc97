#include "core/scripts/dictionary/AnswerFields.h"

#include "core/base/Cp1252.h"

namespace morvelan {

std::vector<NamedField> NamedAnswerFields(const CommandEntry* command,
                                          std::string_view answerCp1252,
                                          BlankFirstName blankFirst) {
    std::vector<NamedField> fields;
    int name = 0;
    std::size_t from = 0;
    while (from < answerCp1252.size()) {
        std::size_t bar = answerCp1252.find('|', from);
        if (bar == std::string_view::npos) {
            bar = answerCp1252.size();
        }
        const std::string_view piece = answerCp1252.substr(from, bar - from);
        from = bar + 1;
        if (piece.empty()) {
            continue;
        }
        NamedField field{std::nullopt, fromCp1252(piece)};
        const bool firstLeftUnnamed = command != nullptr && fields.empty() &&
                                      blankFirst == BlankFirstName::Unidentified &&
                                      SlotText(command->responseDescriptions[0]).empty();
        if (command != nullptr && !firstLeftUnnamed) {
            field.name = name < kMaxResponses
                             ? fromCp1252(SlotText(command->responseDescriptions[name]))
                             : std::string();
            ++name;
        }
        fields.push_back(std::move(field));
    }
    return fields;
}

std::string AnswerFieldText(const NamedField& field) {
    return field.name ? *field.name + " : " + field.value
                      : std::string(kUnidentifiedField) + field.value;
}

} // namespace morvelan
