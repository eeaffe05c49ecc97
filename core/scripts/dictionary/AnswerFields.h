// A printer's answer split into its fields, each named from the dictionary entry of the command
// that was sent, as every tool that shows an answer to the technician names them.
#pragma once

#include "core/scripts/dictionary/CommandDictionary.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvelan {

// The label of a field that no dictionary entry names.
inline constexpr std::string_view kUnidentifiedField = "Campo Não Identificado: ";

struct NamedField {
    std::optional<std::string> name; // UTF-8; none when the field is unidentified
    std::string value;               // UTF-8
};

// What becomes of the first field when the command's first answer name is blank. The script log
// leaves that field unidentified without using the name up, so the next field takes the blank
// name; the editor and the command line give it the blank name like any other.
enum class BlankFirstName { Given, Unidentified };

// The non-empty "|"-separated pieces of `answerCp1252` (Windows-1252, as the library wrote it),
// in order. With a command, the pieces take its answer names one by one, and pieces beyond the
// names it can hold get an empty name; without one, every piece is unidentified.
std::vector<NamedField> NamedAnswerFields(const CommandEntry* command,
                                          std::string_view answerCp1252,
                                          BlankFirstName blankFirst = BlankFirstName::Given);

// "name : value", or the unidentified label and the value.
std::string AnswerFieldText(const NamedField& field);

} // namespace morvelan
