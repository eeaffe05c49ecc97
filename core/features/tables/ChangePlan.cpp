#include "core/features/tables/ChangePlan.h"

#include "core/engine/Engine.h"
#include "core/features/tables/TablePlan.h"
#include "core/features/tables/TableRecords.h"
#include "core/features/tables/TableText.h"

#include <cstddef>
#include <vector>

namespace morvelan::tables {
namespace {

// Where the changed flag of printer slot 0 lies; the records have room for that slot only.
std::size_t changedOffset(int table) {
    switch (table) {
    case kPaymentTable:
        return offsetof(PaymentRequest, changed);
    case kTaxRateTable:
        return offsetof(TaxRateRequest, changed);
    default:
        return offsetof(ReportRequest, changed);
    }
}

} // namespace

std::string planLines(int table, std::span<const char> printer, std::span<char> edited) {
    switch (table) {
    case kPaymentTable: {
        auto e = loadRecord<PaymentRequest>(edited);
        for (auto& flags : e.flags) {
            flags = {};
        }
        const std::string lines = paymentPlanLines(loadRecord<PaymentRequest>(printer), e);
        storeRecord(e, edited);
        return lines;
    }
    case kTaxRateTable:
        return taxRatePlanLines(loadRecord<TaxRateRequest>(printer),
                                loadRecord<TaxRateRequest>(edited));
    default:
        return namedPlanLines(loadRecord<ReportRequest>(printer).names,
                              loadRecord<ReportRequest>(edited).names, table);
    }
}

bool runChangePlan(Engine& engine, int table, std::span<char> edited, int selection) {
    if (!engine.ensurePrinter()) {
        return false;
    }
    if (!engine.checkMitMode(selection)) {
        engine.prompts().message(kAlertTitle, kNotInMitMessage, PromptIcon::Information);
        return false;
    }
    std::vector<char> printer(tableRequestSize(table), '\0');
    if (!engine.readOperation(6, table, printer, true)) {
        return false;
    }
    const std::size_t flag = changedOffset(table);
    std::string confirmed;
    int presentSeen = 0;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        if (engine.printerPresent[index] != 1) {
            continue;
        }
        const bool addressed = selection == kAllPrinters || selection == presentSeen++;
        if (!addressed || flag + index >= edited.size()) {
            continue;
        }
        edited[flag + index] = 0;
        const std::string lines = planLines(table, printer, edited);
        std::string message =
            "( " + engine.portName[index] + " :: " + engine.modelName[index] + ")\n\n" + lines;
        if (lines.empty()) {
            engine.prompts().message(kAlertTitle, message + kNoChangesText,
                                     PromptIcon::Information);
        } else if (engine.prompts().askYesNo(kAlertTitle, message + kConfirmText,
                                             PromptIcon::Question)) {
            edited[flag + index] = 1;
            confirmed += lines;
        }
    }
    engine.serviceObserver().planConfirmed(6, table, confirmed);
    return true;
}

} // namespace morvelan::tables
