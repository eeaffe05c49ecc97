// The change plan that stands between "&Enviar" and the worker: the printer must be reachable
// and in technical intervention, its table is read afresh, and each printer's differences are
// shown and confirmed. The confirmation travels to the worker as the changed flag of `edited`.
#pragma once

#include <span>
#include <string>

namespace morvelan {
class Engine;
}

namespace morvelan::tables {

inline constexpr const char* kNotInMitMessage = "Não é possível realizar o envio deste comando!";
// Why, for the command line, where no message box has said it before.
inline constexpr const char* kNotInMitReason = "O ECF não está em intervenção técnica (MIT).";
inline constexpr const char* kNoChangesText = "Não existem alterações a serem efetuadas\n";
inline constexpr const char* kConfirmText = "\n\nDeseja realmente efetuar esta operação?";

// The plan lines of `table` for one printer, marking the rows of `edited` (payment methods).
std::string planLines(int table, std::span<const char> printer, std::span<char> edited);

// False when nothing may be sent (no printer, not in MIT, the reading failed); true otherwise,
// with the changed flag of each addressed printer set only when it has changes and the
// technician said "Sim".
bool runChangePlan(Engine& engine, int table, std::span<char> edited, int selection);

} // namespace morvelan::tables
