#include "core/features/backup/BackupSession.h"

#include "core/base/AtomicFile.h"
#include "core/base/CommandFileActions.h"
#include "core/engine/Engine.h"
#include "core/features/backup/BackupFile.h"
#include "core/features/backup/BackupIntervention.h"
#include "core/features/backup/BackupSettings.h"

namespace morvelan::backup {
namespace {

std::string namesList(const std::vector<int>& steps) {
    std::string list;
    for (const int step : steps) {
        list += "  " + settingName(step) + "\n";
    }
    return list;
}

std::vector<int> savedSteps(const PrinterSettings& settings) {
    std::vector<int> steps;
    for (const BackupSetting& setting : kBackupSettings) {
        if (settings.records.contains(setting.step)) {
            steps.push_back(setting.step);
        }
    }
    return steps;
}

std::string summary(const PrinterSettings& settings, const std::string& path,
                    const std::string& identification) {
    std::string text = "Configuração do ECF salva em:\n" + path +
                       "\n\nIdentificação: " + identification + "\n\nSalvo:\n" +
                       namesList(savedSteps(settings));
    if (!settings.unread.empty()) {
        text += "\nNão foi possível ler:\n" + namesList(settings.unread);
    }
    if (!settings.notApplicable.empty()) {
        text += "\nSó existe em equipamento MKIII:\n" + namesList(settings.notApplicable);
    }
    return text;
}

// One step per setting, read or not; the ones the printer does not have are no step at all.
void recordReading(BackupIntervention& record, const PrinterSettings& settings) {
    for (const int step : savedSteps(settings)) {
        record.step(settingName(step) + ": lida", true);
    }
    for (const int step : settings.unread) {
        record.step(settingName(step) + ": não foi possível ler", false);
    }
}

} // namespace

BackupOutcome writeBackup(Engine& engine, const std::string& path, std::time_t now) {
    BackupOutcome outcome;
    // A folder, a device or a FIFO chosen as the file is refused before the printer is read.
    if (auto refusal = replacementRefusal(path)) {
        outcome.status = BackupStatus::WriteFailed;
        outcome.text = std::move(*refusal);
        return outcome;
    }
    if (!engine.ensurePrinter() || engine.printerPresent[0] != 1) {
        return outcome;
    }
    BackupIntervention record(engine, kBackupIntervention);
    const PrinterSettings settings = readPrinterSettings(engine);
    recordReading(record, settings);
    if (settings.records.empty()) {
        outcome.status = BackupStatus::NothingRead;
        outcome.text =
            "Não foi possível ler nenhuma configuração do ECF; nenhum arquivo foi criado.";
        record.end(outcome.text, false);
        return outcome;
    }
    const std::string identification =
        backupIdentification(engine.modelName[0], settings.serialNumber, now);
    const bool written = replaceFileAtomically(path, backupImage(settings, identification));
    record.step("Arquivo " + path + (written ? ": gravado" : ": não foi possível criar"), written);
    if (!written) {
        outcome.status = BackupStatus::WriteFailed;
        outcome.text = "Não foi possível criar o arquivo " + path + ".";
        record.end(outcome.text, false);
        return outcome;
    }
    outcome.status = BackupStatus::Saved;
    outcome.complete = settings.unread.empty();
    outcome.text = summary(settings, path, identification);
    record.end((outcome.complete ? "Configuração do ECF salva em "
                                 : "Configuração incompleta do ECF salva em ") +
                   path,
               outcome.complete);
    return outcome;
}

bool generateBackup(Engine& engine, std::time_t now) {
    Prompts& prompts = engine.prompts();
    const auto path = prompts.saveFile(kCommandFileFilter, kCommandFileExtension);
    if (!path || path->empty()) {
        return false;
    }
    const BackupOutcome outcome = writeBackup(engine, *path, now);
    if (outcome.status == BackupStatus::NoPrinter) {
        return false;
    }
    const bool saved = outcome.status == BackupStatus::Saved;
    // The technician may have chosen the working file itself: the title follows its content.
    engine.refreshTitle();
    const PromptIcon icon = !saved             ? PromptIcon::Error
                            : outcome.complete ? PromptIcon::Information
                                               : PromptIcon::Warning;
    prompts.message(saved ? kAlertTitle : kErrorTitle, outcome.text, icon);
    return saved;
}

bool offerBackupFirst(Engine& engine, std::time_t now) {
    Prompts& prompts = engine.prompts();
    if (!prompts.askYesNo(kAlertTitle, kBackupOfferText, PromptIcon::Question)) {
        return true;
    }
    return generateBackup(engine, now) ||
           prompts.askYesNo(kAlertTitle, kBackupNotSavedText, PromptIcon::Warning);
}

} // namespace morvelan::backup
