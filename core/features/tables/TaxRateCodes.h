// The codes of the tax rates. The printer numbers every rate itself: "T" for ICMS or "S" for
// ISSQN, then the first position letter from "a" to "r" that its type has free. Nothing that is
// sent chooses a code, so a table's codes are only ever what the printer will give.
#pragma once

#include "core/features/tables/TableRecords.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvelan::tables {

// "T" for ICMS (type 0), "S" for ISSQN (type 1).
char rateTypeLetter(int type);

// Whether a printer keeps rates under `code`: "T" or "S" and a position from "a" to "r".
bool acceptedRateCode(std::string_view code);

struct RateToRegister {
    int type;         // 0 ICMS, 1 ISSQN
    std::string code; // the code the printer gives it
    std::string rate; // UTF-8, trimmed
};

// The rates a write registers, in order: the rows from the first up to the first without a code.
// The write empties the table first, so the printer letters each type from "a" in the order of
// registration. The change plan shows this list and the write sends it: nothing is sent that the
// plan did not show, whatever codes the request data holds.
std::vector<RateToRegister> ratesToRegister(const TaxRateRequest& edited);

// Why the codes a stored table holds (a command file's block) are not the codes a printer gives;
// nothing when every row is empty or a rate under an accepted code of its own type, in the order
// the printer lists them: ICMS before ISSQN, each type by position letter, no code twice.
std::optional<std::string> rateCodesFault(const TaxRateRequest& table);

} // namespace morvelan::tables
