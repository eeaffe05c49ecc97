#include "core/scripts/executor/ScriptRunner.h"

#include "core/base/Cp1252.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace morvelan {

ScriptRunner::ScriptRunner(Engine& engine, ScriptWorkerOptions options)
    : engine_(engine), options_(options), dictionary_(std::make_unique<CommandDictionary>()) {}

ScriptWorkerOutcome ScriptRunner::runScript(const std::filesystem::path& script, ScriptLogs& logs,
                                            int selection) {
    // A missing comandos.xml is no reason to stop: the answers are then left unnamed.
    LoadCommandDictionary(engine_.programDirectory(), engine_.prompts(), *dictionary_);
    if (!engine_.ensurePrinter()) {
        return {};
    }
    std::array<ScriptWorkerOutcome, kSlotCount> outcomes{};
    const auto startedAt = std::chrono::system_clock::now();
    const int started = engine_.runWorkers(selection, [this, &script, &logs, &outcomes](int slot) {
        const auto index = static_cast<std::size_t>(slot);
        ScriptWorker worker(engine_, *dictionary_, scriptStopRequested, options_);
        outcomes[index] = worker.run(slot, script, logs[index]);
    });
    // Cleared when the run ends, not when it starts: a stop asked for while the run was being
    // prepared (an interrupt during detection) still stops it before its first line.
    scriptStopRequested.store(false, std::memory_order_release);
    if (started != 0) {
        const ScriptWorkerOutcome& outcome = outcomes[0];
        ResultRecord result{};
        const std::string line = outcome.commandsFailed == 0 && !outcome.stopped
                                     ? std::string(kSuccessResultLine)
                                     : std::to_string(outcome.commandsFailed) + " de " +
                                           std::to_string(outcome.commandsSent) +
                                           " comandos com falha" +
                                           (outcome.stopped ? ", execução interrompida" : "");
        result.resultCode = outcome.commandsFailed;
        const std::string cp1252 = toCp1252(line);
        std::copy_n(cp1252.data(), std::min(cp1252.size(), sizeof result.resultLine - 1),
                    result.resultLine);
        const std::string path = script.string();
        engine_.reportRun({.kind = RunKind::Script,
                           .startedAt = startedAt,
                           .endedAt = std::chrono::system_clock::now(),
                           .result = &result,
                           .command = path,
                           .commandLog = logs[0]});
    }
    return outcomes[0];
}

} // namespace morvelan
