#include "core/features/backup/CommandFileDiff.h"

#include "core/features/tables/ChangePlan.h"

namespace morvelan::backup {

RestorePlan planBetweenFiles(const CommandFileBytes& held, const CommandFileBytes& file) {
    PrinterSettings printer;
    std::string onlyHeld;
    for (const BackupSetting& setting : kBackupSettings) {
        const auto block = settingBlock(held, setting.step);
        printer.records[setting.step] =
            block ? *block : FormRecord(settingSize(setting.step), '\0');
        if (block && !settingBlock(file, setting.step)) {
            onlyHeld += settingName(setting.step) +
                        ":\nNão está no arquivo a restaurar; não será enviado.\n\n";
        }
    }
    // Files belong to no printer generation: every setting is compared.
    RestorePlan plan = planRestore(file, printer, true);
    plan.notes += onlyHeld;
    return plan;
}

std::variant<FileComparison, std::string> compareCommandFiles(const std::string& heldPath,
                                                              const std::string& filePath) {
    const auto load = [](const std::string& path) -> std::variant<CommandFileBytes, std::string> {
        auto loaded = loadForRestore(path);
        if (const auto* fault = std::get_if<std::string>(&loaded)) {
            return "O arquivo " + path + " não pode ser comparado:\n\n" + *fault;
        }
        return loaded;
    };
    const auto held = load(heldPath);
    if (const auto* fault = std::get_if<std::string>(&held)) {
        return *fault;
    }
    const auto file = load(filePath);
    if (const auto* fault = std::get_if<std::string>(&file)) {
        return *fault;
    }
    const RestorePlan plan =
        planBetweenFiles(std::get<CommandFileBytes>(held), std::get<CommandFileBytes>(file));
    const bool differ = !plan.changes.empty() || !plan.notes.empty();
    return FileComparison{differ, planText(plan, heldPath + " :: " + filePath) +
                                      (differ ? "" : tables::kNoChangesText)};
}

} // namespace morvelan::backup
