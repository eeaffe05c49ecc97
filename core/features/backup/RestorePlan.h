// The change plan of a restore: for every setting the command file holds, what differs from the
// printer, in the wording of the setting's own form, and the request data that sends it.
#pragma once

#include "core/features/backup/BackupFile.h"
#include "core/features/backup/BackupSettings.h"

#include <span>
#include <string>
#include <vector>

namespace morvelan::backup {

// The lines saying how the printer's `printer` reading differs from the file's `file` block of
// 6.step; empty when they agree. `toSend` receives the request data that makes the printer hold
// the file's value (for the tables, marked for the worker as confirmed).
std::string settingDifferences(int step, std::span<const char> file, std::span<const char> printer,
                               FormRecord& toSend);

struct PlannedChange {
    int step;
    FormRecord record; // the request data sent
    std::string lines; // the plan lines
};

struct RestorePlan {
    std::vector<PlannedChange> changes; // in sending order
    std::string notes;                  // what differs or is in the file but is not sent, and why
};

// The plan for the settings 6.step of `steps` the file holds; with no steps, for every setting.
RestorePlan planRestore(const CommandFileBytes& file, const PrinterSettings& printer, bool mkiii,
                        std::span<const int> steps = {});

// The plan as the technician reads it: the printer, each change under its setting's name, the
// notes.
std::string planText(const RestorePlan& plan, const std::string& printerLabel);

} // namespace morvelan::backup
