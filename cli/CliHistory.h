// The service history from the command line: `morvelan-cli history [--serial S] [--since DATE]
// [--csv] [--home DIR]` lists what was done to the printers, `history --prune --before DATE`
// removes what is older, and every send and run of the other commands is recorded in the same
// file the window program keeps.
#pragma once

#include "CliPrompts.h"
#include "core/engine/history/HistoryDatabase.h"
#include "core/engine/history/HistoryRecorder.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace morvelan {
class Engine;
}

namespace morvelan::cli {

inline constexpr const char* kHistoryUsage =
    "Histórico: morvelan-cli [--home DIR] history [--serial NÚMERO] [--since AAAA-MM-DD] [--csv]\n"
    "  lista o que foi feito nas impressoras, da operação mais recente para a mais antiga\n"
    "           morvelan-cli [--home DIR] [--yes] history --prune --before AAAA-MM-DD\n"
    "  apaga do histórico o que começou antes da data\n";

struct HistoryOptions {
    std::optional<std::string> serial;
    std::optional<std::string> since;
    std::optional<std::string> before; // with prune: the first day kept
    std::optional<std::string> home;
    bool csv = false;
    bool prune = false;
    bool yes = false;
};

// Nothing, with `error` set, on bad usage.
std::optional<HistoryOptions> parseHistoryOptions(const std::vector<std::string>& args,
                                                  std::string& error);

// The history of `directory`'s file, newest first, as text lines or as CSV. Returns the exit code.
int printHistory(const std::string& directory, const HistoryOptions& options, std::FILE* out,
                 std::FILE* err);

// Removes from `directory`'s history what started before `before`, once the technician
// confirmed the count shown on `out`. Returns the exit code.
int pruneHistory(const std::string& directory, const std::string& before, std::FILE* out,
                 const Confirmation& how);

// True when the command word of `args` (the program's arguments) is "history".
bool isHistoryCommand(const std::vector<std::string>& args);

// The whole subcommand over the program's arguments: options, program directory, listing or
// pruning (confirmed at the terminal `in` when `interactive`).
int runHistory(const std::vector<std::string>& args, std::FILE* out, std::FILE* err, std::FILE* in,
               bool interactive);

// Records an engine's runs for as long as it lives; a database that cannot be written is said
// once on `err` and the commands go on.
class CliHistoryRecording {
public:
    CliHistoryRecording(Engine& engine, std::FILE* err);
    ~CliHistoryRecording();
    CliHistoryRecording(const CliHistoryRecording&) = delete;
    CliHistoryRecording& operator=(const CliHistoryRecording&) = delete;

private:
    Engine& engine_;
    history::HistoryDatabase database_;
    history::HistoryRecorder recorder_;
};

} // namespace morvelan::cli
