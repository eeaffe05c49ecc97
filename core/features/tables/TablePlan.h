// The lines of the change plan: what the worker will do to one printer's table, row by row,
// from the printer's table as just read and the edited table. An empty text means no change.
#pragma once

#include "core/features/tables/TableRecords.h"

#include <string>

namespace morvelan::tables {

// Payment methods; also marks each changed row for deletion and/or registration in `edited`.
// Row 01 is the printer's own "Dinheiro": the worker never touches it, so it is never planned.
std::string paymentPlanLines(const PaymentRequest& printer, PaymentRequest& edited);

// Managerial reports and non-fiscal totalizers: one line per row whose name changed.
std::string namedPlanLines(const char (&printer)[kNamedRows][kNameSize],
                           const char (&edited)[kNamedRows][kNameSize], int table);

// Tax rates, ICMS then ISSQN, each pass walking the printer's entries with one shared cursor.
std::string taxRatePlanLines(const TaxRateRequest& printer, const TaxRateRequest& edited);

} // namespace morvelan::tables
