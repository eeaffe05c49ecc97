// Collecting the edited table from the form's rows for "&Enviar": names cut to their field,
// the tables that the printer numbers by registration compacted (with the reorder question), the
// tax rates validated and coded.
#pragma once

#include "core/base/Prompts.h"
#include "core/features/tables/TableRecords.h"

#include <array>
#include <string>
#include <vector>

namespace morvelan::tables {

// One row as the form's controls hold it (UTF-8): the name (or the rate), the "Vínculado" box,
// and the tax-rate type list's index (-1 none, 0 ICMS, 1 ISSQN).
struct FormRow {
    std::string text;
    bool linked = false;
    int type = -1;
    bool operator==(const FormRow&) const = default;
};
using FormRows = std::vector<FormRow>;

// What a tax rate row's type list shows for `FormRow::type` 0 and 1.
inline constexpr std::array<const char*, 2> kRateTypeNames = {"(T) ICMS", "(S) ISSQN"};

enum class Collected {
    Ready,     // the edited table is complete
    Cancelled, // the technician answered "Não" to the reorder question
    Refused,   // the rows do not make a table that can be sent
};

// The non-empty fields in screen order and whether any of them moved.
struct Compaction {
    std::vector<std::string> names;
    std::string lines; // "[ NN - name ]\n" per kept field
    bool moved = false;
};
Compaction compactNames(const std::vector<std::string>& fields);

// The reorder question: the table's first sentence, the explanation, the new order.
std::string reorderQuestion(const std::string& firstSentence, const std::string& lines);

void collectPayments(const FormRows& rows, PaymentRequest& edited);
Collected collectNamed(const FormRows& rows, char (&names)[kNamedRows][kNameSize], int table,
                       Prompts& prompts);
Collected collectTaxRates(const FormRows& rows, TaxRateRequest& edited, Prompts& prompts);

} // namespace morvelan::tables
