// A backup as a command file: the identification, and each setting read in its form's block, so
// that opening the file as the working command file pre-fills the forms with the printer's values.
// Reading one back for a restore refuses anything that is not a sound command file.
#pragma once

#include "core/features/backup/BackupSettings.h"

#include "core/base/CommandFileLayout.h"

#include <array>
#include <optional>
#include <string>
#include <variant>

namespace morvelan::backup {

using CommandFileBytes = std::array<char, kCommandFileSize>;

// A new command file with `identification` (UTF-8) and every setting of `settings`; zeros
// elsewhere.
CommandFileBytes backupImage(const PrinterSettings& settings, const std::string& identification);

// The block of 6.step in `file`; empty when it holds only zeros: the setting is not in the file
// (never sent from its form, or not read when the backup was made).
std::optional<FormRecord> settingBlock(const CommandFileBytes& file, int step);

// Why a setting block that a restore would send cannot be a form's record; nothing when sound.
std::optional<std::string> blockFault(int step, std::span<const char> block);

// The command file at `path` for a restore, or why it cannot be used (UTF-8, for the technician).
std::variant<CommandFileBytes, std::string> loadForRestore(const std::string& path);

} // namespace morvelan::backup
