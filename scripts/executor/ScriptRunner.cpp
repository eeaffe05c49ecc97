#include "executor/ScriptRunner.h"

#include <cstring>

namespace morvelan {

ScriptRunner::ScriptRunner(Engine& engine, ScriptWorkerOptions options)
    : engine_(engine), options_(options), dictionary_(std::make_unique<CommandDictionary>()) {}

ScriptWorkerOutcome ScriptRunner::runScript(const std::filesystem::path& script, ScriptLogs& logs,
                                            int selection) {
    // A missing comandos.xml is no reason to stop: the answers are then left unnamed.
    LoadCommandDictionary(engine_.programDirectory(), engine_.prompts(), *dictionary_);
    scriptStopRequested.store(false, std::memory_order_release);
    if (!engine_.ensurePrinter()) {
        return {};
    }
    std::array<ScriptWorkerOutcome, kSlotCount> outcomes{};
    engine_.runWorkers(selection, [this, &script, &logs, &outcomes](int slot) {
        const auto index = static_cast<std::size_t>(slot);
        ScriptWorker worker(engine_, *dictionary_, scriptStopRequested, options_);
        outcomes[index] = worker.run(slot, script, logs[index]);
    });
    return outcomes[0];
}

} // namespace morvelan
