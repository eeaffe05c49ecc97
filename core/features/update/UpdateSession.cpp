#include "core/features/update/UpdateSession.h"

#include "core/features/update/UpdateRun.h"

#include "core/engine/Engine.h"
#include "core/features/backup/BackupSession.h"

namespace morvelan::update {
namespace {

std::string printerName(const PrinterIdentity& printer) {
    return printer.modelName + " :: " + printer.portName;
}

void updateOne(FormServices& services, int slot, const UpdateHooks& hooks,
               UpdateProgress& progress) {
    Prompts& prompts = services.prompts();
    const PrinterIdentity printer = services.printer(slot);
    const std::string name = printerName(printer) + "\n\n";
    const std::optional<PrinterAnswers> answers = readPrinterAnswers(services.engine(), slot);
    if (!answers) {
        prompts.message(kAlertTitle, name + kReadFailedText, PromptIcon::Information);
        return;
    }
    const UpdateChoice choice = chooseSection(printer.isMkiii, *answers);
    if (choice.outcome == ChoiceOutcome::AlreadyEnabled) {
        prompts.message(kAlertTitle, kAlreadyEnabledText, PromptIcon::Warning);
        return;
    }
    if (choice.outcome == ChoiceOutcome::UnknownModel) {
        prompts.message(kErrorTitle, name + unknownModelText(*answers), PromptIcon::Error);
        return;
    }
    // The file is checked whole before the technician is asked and before any command goes out,
    // on a worker behind the waiting dialog: a file of megabytes would hold the window still.
    PlanOutcome planned = std::string("Não foi possível ler o arquivo de atualização \"") +
                          updateFileName(choice.procedure) +
                          "\".\n\nNada foi enviado à impressora.";
    auto plan = [&](int) {
        planned = planUpdateFromDirectory(choice.procedure, choice.section, hooks.directory);
    };
    if (services.engine().runWorkers(slot, plan) == 0) {
        plan(slot);
    }
    if (const auto* refusal = std::get_if<std::string>(&planned)) {
        prompts.message(kErrorTitle, name + *refusal, PromptIcon::Error);
        return;
    }
    // A transfer that goes wrong may leave the printer to be set up again: its settings first.
    if (!backup::offerBackupFirst(services.engine(), services.currentTime())) {
        return;
    }
    if (!prompts.askYesNo(kAlertTitle, confirmationText(choice), PromptIcon::Question)) {
        return;
    }
    if (!services.checkMitMode(slot)) {
        prompts.message(kAlertTitle, kNotInMitText, PromptIcon::Information);
        return;
    }
    Engine& engine = services.engine();
    engine.serviceObserver().interventionBegan(engine, kUpdateIntervention);
    std::string resultText = name;
    runTransferWorker(engine, std::get<UpdatePlan>(planned), progress, hooks.pause, resultText,
                      hooks.wait);
    const std::string outcome = resultText.substr(name.size());
    engine.serviceObserver().interventionStep("Transferência do software básico: " + outcome,
                                              outcome.starts_with(kSuccessText));
    engine.serviceObserver().interventionEnded(outcome);
    prompts.message(kAlertTitle, resultText, PromptIcon::Information);
}

} // namespace

std::string printerLine(const PrinterIdentity& printer) {
    return "Iniciar Impressão ( " + printerName(printer) + " ):";
}

void sendUpdate(FormServices& services, int selection, const UpdateHooks& hooks,
                UpdateProgress* progress) {
    if (!services.ensurePrinter()) {
        return;
    }
    for (int slot = 0; slot < services.printerSlotCount(); ++slot) {
        if (!services.printer(slot).present) {
            continue;
        }
        if (selection == kAllPrinters || selection == slot) {
            updateOne(services, slot, hooks, progress[slot]);
        }
    }
}

} // namespace morvelan::update
