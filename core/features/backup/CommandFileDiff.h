// Two command files compared in the words of a restore: the first read as what a printer holds,
// the second as the file restored onto it. Nothing is sent anywhere; two printers' backups, or a
// profile and a backup, are compared without restoring either.
#pragma once

#include "core/features/backup/BackupFile.h"
#include "core/features/backup/RestorePlan.h"

#include <string>
#include <variant>

namespace morvelan::backup {

// The restore plan of `file` onto a printer holding `held`'s settings. A setting `held` lacks
// counts as empty there, so what `file` adds reads "SERÁ CADASTRADO"; a setting only `held` has
// is a note, as a restore would leave it alone.
RestorePlan planBetweenFiles(const CommandFileBytes& held, const CommandFileBytes& file);

struct FileComparison {
    bool differ = false;
    std::string text; // the plan as the technician reads it (UTF-8)
};

// The two command files at `heldPath` and `filePath` compared; why one of them cannot be
// (UTF-8) when it is unreadable or no sound command file.
std::variant<FileComparison, std::string> compareCommandFiles(const std::string& heldPath,
                                                              const std::string& filePath);

} // namespace morvelan::backup
