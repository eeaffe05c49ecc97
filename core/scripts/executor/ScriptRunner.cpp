#include "core/scripts/executor/ScriptRunner.h"

#include "core/base/Cp1252.h"
#include "core/scripts/executor/CommandLog.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace morvelan {
namespace {

// The history's log: the kept lines and, when some were left out, the counts of the whole run.
std::string historyLog(const BoundedLog& kept, const ScriptWorkerOutcome& outcome) {
    std::string log = kept.text();
    if (kept.omitted() > 0) {
        log += "[Registro reduzido no histórico: " + std::to_string(kept.omitted()) + " de " +
               std::to_string(kept.lines()) + " linhas omitidas; " +
               std::to_string(outcome.commandsSent) + " comandos enviados, " +
               std::to_string(outcome.commandsFailed) + " com falha]" + std::string(kLogLineEnd);
    }
    return log;
}

} // namespace

ScriptRunner::ScriptRunner(Engine& engine, ScriptWorkerOptions options)
    : engine_(engine), options_(options), dictionary_(std::make_unique<CommandDictionary>()) {}

ScriptWorkerOutcome ScriptRunner::runScript(const std::filesystem::path& script, ScriptLogs& logs,
                                            int selection) {
    return runScript(
        script,
        [&logs](int slot) -> ScriptLog::Destination {
            std::string& text = logs[static_cast<std::size_t>(slot)];
            text.clear();
            return [&text](std::string_view piece) { text += piece; };
        },
        selection);
}

ScriptWorkerOutcome ScriptRunner::runScript(const std::filesystem::path& script,
                                            const ScriptLogDestinations& destinations,
                                            int selection) {
    // A missing comandos.xml is no reason to stop: the answers are then left unnamed.
    LoadCommandDictionary(engine_.programDirectory(), engine_.prompts(), *dictionary_);
    if (!engine_.ensurePrinter()) {
        return {};
    }
    std::array<ScriptWorkerOutcome, kSlotCount> outcomes{};
    std::array<ScriptLog, kSlotCount> logs;
    const auto startedAt = std::chrono::system_clock::now();
    const int started =
        engine_.runWorkers(selection, [this, &script, &destinations, &logs, &outcomes](int slot) {
            const auto index = static_cast<std::size_t>(slot);
            logs[index] = ScriptLog(destinations(slot));
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
        const std::string log = historyLog(logs[0].kept(), outcome);
        engine_.reportRun({.kind = RunKind::Script,
                           .startedAt = startedAt,
                           .endedAt = std::chrono::system_clock::now(),
                           .result = &result,
                           .command = path,
                           .commandLog = log});
    }
    return outcomes[0];
}

} // namespace morvelan
