// runScript: the starter of the script worker. It loads the shared command dictionary anew for
// every run, makes sure a printer is detected, and runs the worker for each selected printer
// while the frame waits behind the progress dialog. Lives on the user-interface thread.
#pragma once

#include "core/engine/Engine.h"
#include "core/scripts/dictionary/CommandDictionary.h"
#include "core/scripts/executor/ScriptWorker.h"

#include <array>
#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace morvelan {

// The longest script path the executor and the generator keep.
inline constexpr std::size_t kMaxScriptPath = 1024;

using ScriptLogs = std::array<std::string, kSlotCount>;
// Where each printer's log goes, asked for when that printer's worker starts.
using ScriptLogDestinations = std::function<ScriptLog::Destination(int slot)>;

class ScriptRunner {
public:
    explicit ScriptRunner(Engine& engine, ScriptWorkerOptions options = {});

    // Runs the script for the printers `selection` addresses (99: every detected printer); each
    // worker writes its log to its destination as it goes, and the history gets slot 0's run with
    // the log bounded. Returns the outcome of slot 0 (empty when it did not run).
    ScriptWorkerOutcome runScript(const std::filesystem::path& script,
                                  const ScriptLogDestinations& destinations, int selection);
    // The same, with each worker's whole log in its slot of `logs`, as the window shows it.
    // Without a printer nothing runs and the logs stay as they were.
    ScriptWorkerOutcome runScript(const std::filesystem::path& script, ScriptLogs& logs,
                                  int selection);

    // Whether the next runs end at their first failed line (the executor form's tick box).
    void setStopOnError(bool stop) { options_.stopOnError = stop; }

    // Raised to stop a running script after its current line; cleared when a run ends.
    std::atomic<bool> scriptStopRequested{false};

    const CommandDictionary& dictionary() const { return *dictionary_; }

private:
    Engine& engine_;
    ScriptWorkerOptions options_;
    // About 1.6 MB: kept on the heap, one table for every run.
    std::unique_ptr<CommandDictionary> dictionary_;
};

} // namespace morvelan
