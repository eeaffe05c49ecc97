// The restore, and the apply of chosen settings: the file is checked whole, the printer must be in
// technical intervention for any setting it takes only there, every difference is shown in one
// plan, the forms' own operations send the confirmed changes one after the other, and what the
// printer holds afterwards is read back against the file.
#include "core/features/backup/BackupSession.h"

#include "core/base/CommandFileActions.h"
#include "core/base/Cp1252.h"
#include "core/engine/Engine.h"
#include "core/features/backup/BackupFile.h"
#include "core/features/backup/BackupIntervention.h"
#include "core/features/backup/RestorePlan.h"
#include "core/features/tables/ChangePlan.h"

#include <algorithm>
#include <optional>

namespace morvelan::backup {
namespace {

constexpr const char* kNothingSent = "\n\nNada foi enviado à impressora.";

std::string printerLabel(const Engine& engine) {
    return engine.portName[0] + " :: " + engine.modelName[0];
}

// Why a send failed; empty when it succeeded.
std::string sendOne(Engine& engine, int slot, PlannedChange& change) {
    const OperationEntry* operation = engine.operations().find(6, change.step);
    if (operation == nullptr) {
        return "operação indisponível";
    }
    ResultRecord result{};
    WorkerArgument argument{slot, change.record, engine.isMkiii[static_cast<std::size_t>(slot)],
                            &result};
    result.resultCode = operation->body(engine, argument);
    engine.decodeStatus(result, slot);
    const std::string line = fromCp1252Field(result.resultLine);
    if (result.resultCode == 0 && line == kSuccessResultLine) {
        return {};
    }
    const std::string& tableErrors = engine.tableErrorText[static_cast<std::size_t>(slot)];
    return line + (operation->listsTableErrors && !tableErrors.empty() ? "\n" + tableErrors
                                                                       : std::string());
}

// The forms' operations, one after the other on one worker behind one progress dialog. Each
// record is kept in the working command file first, as every send of a form is.
std::vector<std::string> sendChanges(Engine& engine, RestorePlan& plan) {
    for (const PlannedChange& change : plan.changes) {
        engine.commandFile().writeCommandFile(6, change.step, change.record);
    }
    std::vector<std::string> failures(plan.changes.size());
    engine.runWorkers(0, [&](int slot) {
        for (std::size_t i = 0; i < plan.changes.size(); ++i) {
            failures[i] = sendOne(engine, slot, plan.changes[i]);
        }
    });
    return failures;
}

// What became of one change: the line of the report, and whether it was restored and checked.
struct ChangeOutcome {
    std::string line;
    bool restored = false;
};

std::vector<ChangeOutcome> checkChanges(Engine& engine, const CommandFileBytes& file,
                                        const RestorePlan& plan,
                                        const std::vector<std::string>& failures,
                                        const char* done) {
    const PrinterSettings after = readPrinterSettings(engine);
    std::vector<ChangeOutcome> outcomes;
    for (std::size_t i = 0; i < plan.changes.size(); ++i) {
        const int step = plan.changes[i].step;
        const auto reading = after.records.find(step);
        FormRecord unused;
        const std::string still =
            reading == after.records.end()
                ? std::string()
                : settingDifferences(step, *settingBlock(file, step), reading->second, unused);
        ChangeOutcome outcome{settingName(step) + ": "};
        if (!failures[i].empty()) {
            outcome.line += "o envio falhou: " + failures[i] + "\n";
        } else if (reading == after.records.end()) {
            outcome.line += "enviado, mas não foi possível lê-lo de volta.\n";
        } else if (!still.empty()) {
            outcome.line += "enviado, mas ainda difere do arquivo:\n" + still;
        } else {
            outcome.line += std::string(done) + "\n";
            outcome.restored = true;
        }
        outcomes.push_back(std::move(outcome));
    }
    return outcomes;
}

// The words and the history record of a restore and of an apply, which differ in nothing else.
struct Transfer {
    std::span<const int> steps; // empty: every setting a restore sends
    const char* refused;        // "O arquivo X não pode ser <refused>:"
    const char* done;           // a change sent and read back equal
    const char* intervention;
    const char* complete;   // the intervention's outcome, before the path
    const char* incomplete; // the same when a change failed or still differs
};

constexpr Transfer kRestore{{},
                            "restaurado",
                            "restaurado e conferido.",
                            kRestoreIntervention,
                            "Configuração restaurada de ",
                            "Restauração incompleta de "};

RestoreOutcome report(Engine& engine, const RestorePlan& plan,
                      const std::vector<ChangeOutcome>& outcomes) {
    std::string text = "( " + printerLabel(engine) + ")\n\n";
    bool complete = true;
    for (const ChangeOutcome& outcome : outcomes) {
        text += outcome.line;
        complete = complete && outcome.restored;
    }
    return {complete ? RestoreStatus::Restored : RestoreStatus::Incomplete,
            text + "\n" + plan.notes};
}

// Outside technical intervention the printer refuses every setting but the few it takes at any
// time; a run that would meet that refusal halfway sends nothing at all.
bool needsMit(std::span<const int> steps) {
    return std::ranges::any_of(kBackupSettings, [&](const BackupSetting& setting) {
        return !setting.anyMode &&
               (steps.empty() || std::ranges::find(steps, setting.step) != steps.end());
    });
}

// The fault of a chosen setting the file cannot give; nothing when it can give every one.
std::optional<std::string> missingChoice(const CommandFileBytes& file, std::span<const int> steps) {
    for (const int step : steps) {
        if (!sendableSetting(step)) {
            return settingName(step) + " não é enviado a partir de um arquivo de comandos.";
        }
        if (!settingBlock(file, step)) {
            return "O arquivo não tem " + settingName(step) + ".";
        }
    }
    return std::nullopt;
}

RestoreOutcome transferSettings(Engine& engine, const std::string& path, const ConfirmPlan& confirm,
                                const Transfer& transfer) {
    auto loaded = loadForRestore(path);
    if (const auto* fault = std::get_if<std::string>(&loaded)) {
        return {RestoreStatus::BadFile, "O arquivo " + path + " não pode ser " + transfer.refused +
                                            ":\n\n" + *fault + kNothingSent};
    }
    const CommandFileBytes& file = std::get<CommandFileBytes>(loaded);
    if (const auto missing = missingChoice(file, transfer.steps)) {
        return {RestoreStatus::BadFile, "O arquivo " + path + " não pode ser " + transfer.refused +
                                            ":\n\n" + *missing + kNothingSent};
    }
    if (!engine.ensurePrinter() || engine.printerPresent[0] != 1) {
        return {RestoreStatus::NoPrinter, {}};
    }
    if (needsMit(transfer.steps) && !engine.checkMitMode(0)) {
        return {RestoreStatus::NotInMit, std::string(tables::kNotInMitMessage) + kNothingSent};
    }
    const PrinterSettings printer = readPrinterSettings(engine);
    if (printer.records.empty()) {
        return {RestoreStatus::ReadFailed,
                "Não foi possível ler a configuração do ECF." + std::string(kNothingSent)};
    }
    RestorePlan plan = planRestore(file, printer, engine.isMkiii[0] == 1, transfer.steps);
    const std::string text = planText(plan, printerLabel(engine));
    if (plan.changes.empty()) {
        return {RestoreStatus::NothingToChange, text + tables::kNoChangesText};
    }
    if (!confirm(text)) {
        return {RestoreStatus::Declined, {}};
    }
    BackupIntervention record(engine, transfer.intervention);
    const std::vector<ChangeOutcome> outcomes =
        checkChanges(engine, file, plan, sendChanges(engine, plan), transfer.done);
    for (const ChangeOutcome& outcome : outcomes) {
        std::string_view line = outcome.line;
        line.remove_suffix(line.ends_with('\n') ? 1 : 0);
        record.step(line, outcome.restored);
    }
    RestoreOutcome restored = report(engine, plan, outcomes);
    const bool complete = restored.status == RestoreStatus::Restored;
    record.end((complete ? transfer.complete : transfer.incomplete) + path, complete);
    return restored;
}

} // namespace

RestoreOutcome restoreFromFile(Engine& engine, const std::string& path,
                               const ConfirmPlan& confirm) {
    return transferSettings(engine, path, confirm, kRestore);
}

RestoreOutcome applyFromFile(Engine& engine, const std::string& path, std::span<const int> steps,
                             const ConfirmPlan& confirm) {
    const Transfer apply{steps,
                         "aplicado",
                         "aplicado e conferido.",
                         kApplyIntervention,
                         "Configuração aplicada de ",
                         "Aplicação incompleta de "};
    return transferSettings(engine, path, confirm, apply);
}

void restoreBackup(Engine& engine) {
    Prompts& prompts = engine.prompts();
    const auto path = prompts.openFile(kCommandFileFilter, kCommandFileExtension);
    if (!path || path->empty()) {
        return;
    }
    const RestoreOutcome outcome = restoreFromFile(engine, *path, [&](const std::string& plan) {
        return prompts.askYesNo(kAlertTitle, plan + tables::kConfirmText, PromptIcon::Question);
    });
    if (outcome.text.empty()) {
        return;
    }
    const bool failed = outcome.status == RestoreStatus::BadFile ||
                        outcome.status == RestoreStatus::ReadFailed ||
                        outcome.status == RestoreStatus::Incomplete;
    prompts.message(failed ? kErrorTitle : kAlertTitle, outcome.text,
                    failed ? PromptIcon::Error : PromptIcon::Information);
}

} // namespace morvelan::backup
