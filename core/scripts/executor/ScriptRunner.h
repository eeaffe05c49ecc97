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
#include <memory>
#include <string>

namespace morvelan {

// The longest script path the executor and the generator keep.
inline constexpr std::size_t kMaxScriptPath = 1024;

using ScriptLogs = std::array<std::string, kSlotCount>;

class ScriptRunner {
public:
    explicit ScriptRunner(Engine& engine, ScriptWorkerOptions options = {});

    // Runs the script for the printers `selection` addresses (99: every detected printer); each
    // worker fills its slot's log. Without a printer nothing runs and the logs stay as they were.
    // Returns the outcome of slot 0 (empty when it did not run).
    ScriptWorkerOutcome runScript(const std::filesystem::path& script, ScriptLogs& logs,
                                  int selection);

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
