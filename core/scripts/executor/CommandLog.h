// The command log of a script run: the transcript of every command sent, the printer's answer
// split into named fields, and the decoded outcome. Texts are UTF-8; lines end in CR LF. Each
// function appends to the log, so building it stays linear in its length.
#pragma once

#include "core/scripts/dictionary/CommandDictionary.h"

#include <string>
#include <string_view>

namespace morvelan {

inline constexpr std::string_view kLogLineEnd = "\r\n";
inline constexpr std::size_t kLogSeparatorWidth = 83;

// 83 copies of `fill` and a line end.
void appendLogSeparator(std::string& log, char fill);

// The "=" separator and "Comandos Enviados para ( port - model ): " before the first command.
void appendLogHeader(std::string& log, std::string_view portName, std::string_view modelName);

// "Comando: " and the line.
void appendLogCommand(std::string& log, std::string_view line);

// The answer block of a non-empty answer (Windows-1252, as the library wrote it): each non-empty
// "|"-separated piece on a line of its own, named from the dictionary entry of the command when
// there is one.
void appendLogAnswer(std::string& log, std::string_view answerCp1252, const CommandEntry* command);

// "Resposta: ", the result line and an empty line.
void appendLogResponse(std::string& log, std::string_view resultLine);

// Why the run ended before the end of the script, and an empty line.
void appendLogStop(std::string& log, std::string_view reason);

} // namespace morvelan
