#include "core/features/sealing/ProfileSealing.h"

#include "core/base/Cp1252.h"
#include "core/engine/Engine.h"
#include "core/engine/FunctionNames.h"
#include "core/engine/ServiceObserver.h"
#include "core/features/backup/BackupFile.h"
#include "core/features/backup/RestorePlan.h"
#include "core/features/settings/ClockSetting.h"
#include "core/features/tables/ChangePlan.h"
#include "core/features/tables/TableRecords.h"
#include "core/features/taxpayer/TaxpayerRecording.h"
#include "core/present/SealingSequence.h"

#include <array>
#include <variant>

namespace morvelan::sealing {
namespace {

constexpr int kClockStep = 5;

using StepBlocks = std::array<FormRecord, kSealingSteps>;

// The operation 6.step of each sealing step, in the order the window leads the technician.
std::array<int, kSealingSteps> sealingOperations() {
    std::array<int, kSealingSteps> steps{};
    for (int n = 0; n < kSealingSteps; ++n) {
        steps[static_cast<std::size_t>(n)] = advanceSealingStep(n, kSealingRepeat).item;
    }
    return steps;
}

// Each step's block of the profile, or why the profile cannot seal a printer.
std::variant<StepBlocks, std::string> loadProfile(const std::string& path, bool clockFromPc,
                                                  std::time_t now) {
    auto loaded = backup::loadForRestore(path);
    if (const auto* fault = std::get_if<std::string>(&loaded)) {
        return "o perfil " + path + " não pode ser usado:\n" + *fault;
    }
    const backup::CommandFileBytes& file = std::get<backup::CommandFileBytes>(loaded);
    const auto steps = sealingOperations();
    StepBlocks blocks;
    for (int n = 0; n < kSealingSteps; ++n) {
        const int step = steps[static_cast<std::size_t>(n)];
        auto block = backup::settingBlock(file, step);
        // The PC's clock replaces the profile's; a profile without one is still whole then.
        if (!block && !(clockFromPc && step == kClockStep)) {
            return "o perfil " + path + " não tem o " + stepLabel(n + 1, step) + ".";
        }
        blocks[static_cast<std::size_t>(n)] = block ? std::move(*block) : FormRecord{};
    }
    if (clockFromPc) {
        blocks[0] =
            settings::clockRecord(settings::printerClockText(settings::localCivilTime(now)));
    }
    if (!settings::parsePrinterClock(settings::clockValues(blocks[0]))) {
        return "o perfil " + path + " não tem uma data e hora válidas.";
    }
    return blocks;
}

// The taxpayer form's own checks, as it makes them inside the sequence: a printer that already
// has a user is no new printer to seal. Why it cannot be sealed; nothing when it can.
std::optional<std::string> printerRefusal(Engine& engine, const fiscal::TaxpayerValues& taxpayer) {
    if (!engine.checkMitMode(0)) {
        return std::string(tables::kNotInMitMessage) + " " + tables::kNotInMitReason;
    }
    FormRecord reading(fiscal::kTaxpayerRecordSize, '\0');
    const bool read = engine.readOperation(6, backup::kTaxpayerStep, reading, false);
    const fiscal::UserCheck user = !read                             ? fiscal::UserCheck::ReadFailed
                                   : fiscal::userNumber(reading) > 0 ? fiscal::UserCheck::HasUser
                                                                     : fiscal::UserCheck::NoUser;
    if (const auto check = fiscal::checkRecording(taxpayer, user, true); check.refused) {
        return check.message.empty() ? engine.readErrorText[0] : check.message;
    }
    return std::nullopt;
}

std::string planText(const Engine& engine, const StepBlocks& blocks,
                     const fiscal::TaxpayerValues& taxpayer, bool clockFromPc) {
    const auto steps = sealingOperations();
    std::string plan =
        "( " + engine.portName[0] + " :: " + engine.modelName[0] + ")\n\nSeqüência de Lacração:\n";
    for (int n = 0; n < kSealingSteps; ++n) {
        plan += "  " + stepLabel(n + 1, steps[static_cast<std::size_t>(n)]) + "\n";
    }
    const settings::ClockValues clock = settings::clockValues(blocks[0]);
    plan += "\nData e hora: " + clock.date + " " + clock.time +
            (clockFromPc ? " (deste computador)\n\n" : " (do perfil)\n\n");
    std::string data = fiscal::firstConfirmation(taxpayer);
    if (const std::string question = tables::kConfirmText; data.ends_with(question)) {
        data.erase(data.size() - question.size());
    }
    return plan + data + "\n";
}

class StepRunner {
public:
    StepRunner(Engine& engine, const StepObserver& onStep) : engine_(engine), onStep_(onStep) {}

    // One run of step `number`; only the `last` run of a step, or a failed one, is reported.
    bool run(int number, int step, FormRecord& block, bool last = true) {
        // A run that never reached a printer must not pass for the previous step's success.
        engine_.resultRecords[0] = ResultRecord{};
        engine_.runOperation(6, step, block, kAllPrinters);
        StepReport report{number, step, false, engine_.resultRecords[0], {}};
        // The engine leaves in the taxpayer record's second byte whether the printer took it.
        const bool recorded =
            step != backup::kTaxpayerStep ||
            (block.size() > fiscal::kResultFlagOffset && block[fiscal::kResultFlagOffset] == 0);
        report.succeeded = engine_.printerPresent[0] == 1 && report.result.resultCode == 0 &&
                           fromCp1252Field(report.result.resultLine) == kSuccessResultLine &&
                           recorded;
        const OperationEntry* entry = engine_.operations().find(6, step);
        if (!report.succeeded && entry != nullptr && entry->listsTableErrors) {
            report.failure = engine_.tableErrorText[0];
        }
        if (last || !report.succeeded) {
            onStep_(report);
        }
        return report.succeeded;
    }

    // The table forms send only what their change plan found different from the printer, and
    // the technician confirmed that in the sequence's plan.
    bool runTable(int number, int step, const FormRecord& profileBlock) {
        FormRecord table(tables::tableRequestSize(step), '\0');
        if (!engine_.readOperation(6, step, table, false)) {
            onStep_({number, step, false, ResultRecord{}, engine_.readErrorText[0]});
            return false;
        }
        FormRecord toSend;
        backup::settingDifferences(step, profileBlock, table, toSend);
        return run(number, step, toSend);
    }

    // The form sends what its fields show of the block, not the block's bytes (a backup keeps the
    // printer's reading there): recorded and printed first, then confirmed.
    bool runTaxpayer(int number, const fiscal::TaxpayerValues& taxpayer) {
        FormRecord block = fiscal::taxpayerRecord(taxpayer, fiscal::kRecordMode);
        if (!run(number, backup::kTaxpayerStep, block, false)) {
            return false;
        }
        block[0] = fiscal::kConfirmMode;
        return run(number, backup::kTaxpayerStep, block);
    }

private:
    Engine& engine_;
    const StepObserver& onStep_;
};

bool isTable(int step) {
    return step >= tables::kPaymentTable && step <= tables::kNonFiscalTable;
}

} // namespace

std::string stepLabel(int number, int step) {
    return "Passo " + std::to_string(number) + ": " + std::string(itemName(6, step));
}

SealOutcome sealFromProfile(Engine& engine, const std::string& path, bool clockFromPc,
                            std::time_t now, const backup::ConfirmPlan& confirm,
                            const StepObserver& onStep) {
    auto loaded = loadProfile(path, clockFromPc, now);
    if (const auto* fault = std::get_if<std::string>(&loaded)) {
        return {SealStatus::BadProfile, *fault + "\n" + kNothingSent};
    }
    StepBlocks& blocks = std::get<StepBlocks>(loaded);
    if (!engine.ensurePrinter() || engine.libraryHandle == nullptr ||
        engine.printerPresent[0] != 1) {
        return {SealStatus::NoPrinter, {}};
    }
    const fiscal::TaxpayerValues taxpayer = fiscal::taxpayerValues(blocks[1]);
    if (const auto refusal = printerRefusal(engine, taxpayer)) {
        return {SealStatus::Refused, *refusal + "\n" + kNothingSent};
    }
    if (!confirm(planText(engine, blocks, taxpayer, clockFromPc))) {
        return {SealStatus::Declined, {}};
    }

    ServiceObserver& observer = engine.serviceObserver();
    observer.interventionBegan(engine, kSealingIntervention);
    StepRunner runner(engine, onStep);
    const auto steps = sealingOperations();
    bool sealed = true;
    for (int n = 0; n < kSealingSteps && sealed; ++n) {
        const int step = steps[static_cast<std::size_t>(n)];
        FormRecord& block = blocks[static_cast<std::size_t>(n)];
        sealed = step == backup::kTaxpayerStep ? runner.runTaxpayer(n + 1, taxpayer)
                 : isTable(step)               ? runner.runTable(n + 1, step, block)
                                               : runner.run(n + 1, step, block);
    }
    observer.interventionEnded(sealed ? kSealedText : kSequenceAbandoned);
    return {sealed ? SealStatus::Sealed : SealStatus::Failed, {}};
}

} // namespace morvelan::sealing
