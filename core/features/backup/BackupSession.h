// The two things a technician does with a printer's settings: save them all into a new command
// file, and restore them from one after seeing every change. Free of widgets: the messages and
// file dialogs go through the engine's prompts, the confirmation of a restore through the caller.
#pragma once

#include <ctime>
#include <functional>
#include <span>
#include <string>

namespace morvelan {
class Engine;
}

namespace morvelan::backup {

enum class BackupStatus {
    NoPrinter,   // detection found none (it has said so)
    NothingRead, // no setting could be read: no file was written
    WriteFailed, // the file could not be created, or is no regular file to replace
    Saved,       // written; `complete` says whether every setting was read
};

struct BackupOutcome {
    BackupStatus status = BackupStatus::NoPrinter;
    bool complete = false;
    std::string text; // what was saved and what could not be read (UTF-8)
};

// Reads every setting of the detected printer into a new command file at `path`.
BackupOutcome writeBackup(Engine& engine, const std::string& path, std::time_t now);

// "&Gerar Arquivo do ECF": asks for the new file, writes the backup and tells the outcome. True
// when the file was written.
bool generateBackup(Engine& engine, std::time_t now);

inline constexpr const char* kBackupOfferText =
    "Antes de continuar, deseja salvar a configuração do ECF em um arquivo de comandos (Gerar "
    "Arquivo do ECF)?";
inline constexpr const char* kBackupNotSavedText =
    "A configuração do ECF não foi salva.\n\nDeseja continuar mesmo assim?";

// Before work that may leave the printer to be set up again: offers the backup; a backup that
// was not saved says so and asks whether to go on. True to go on.
bool offerBackupFirst(Engine& engine, std::time_t now);

enum class RestoreStatus {
    BadFile,         // unreadable, or not a sound command file: nothing was sent
    NoPrinter,       // detection found none (it has said so)
    NotInMit,        // nothing was sent
    ReadFailed,      // the printer's settings could not be read: nothing was sent
    NothingToChange, // the printer already holds the file's settings
    Declined,        // the technician did not confirm the plan
    Restored,        // sent, and read back equal to the file
    Incomplete,      // sent, but a send failed or a setting still differs
};

struct RestoreOutcome {
    RestoreStatus status = RestoreStatus::NoPrinter;
    std::string text; // the plan, or the report of the run (UTF-8); empty when already said
};

// Given the plan as text, true to send it.
using ConfirmPlan = std::function<bool(const std::string& plan)>;

// Restores the settings of the command file at `path` onto the detected printer.
RestoreOutcome restoreFromFile(Engine& engine, const std::string& path, const ConfirmPlan& confirm);

// The settings 6.step of `steps` (each one a restore sends) from the command file at `path`, as
// a restore sends them: the whole file checked, one plan, and every change read back.
RestoreOutcome applyFromFile(Engine& engine, const std::string& path, std::span<const int> steps,
                             const ConfirmPlan& confirm);

// "&Restaurar configuração no ECF...": asks for the file, one Yes/No over the whole plan, then
// the report.
void restoreBackup(Engine& engine);

} // namespace morvelan::backup
