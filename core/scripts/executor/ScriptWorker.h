// The script worker: runs one script file against one printer slot and writes its command log,
// each script line's piece as soon as the line is done. It runs on a worker thread of the engine
// (Engine::runWorkers) while the user-interface thread waits; it touches only the log it is
// given, and shows its messages through the engine's prompts, which carry them to the
// user-interface thread and wait for the answer.
#pragma once

#include "core/engine/Engine.h"
#include "core/scripts/dictionary/CommandDictionary.h"
#include "core/scripts/executor/ScriptLog.h"

#include <atomic>
#include <filesystem>
#include <functional>
#include <string>

namespace morvelan {

inline constexpr std::string_view kAdvanceDayLogLine = "<ADIANTAR 1 DIA>";
inline constexpr std::string_view kLowPaperStatus = "Impressora Online - Pouco papel";

// What the technician stepping through a run says of the next line that would reach the printer.
enum class StepAnswer { Send, Skip, Stop };

struct ScriptWorkerOptions {
    // Nobody is there to load paper (a command line without a terminal): the low-paper prompt
    // ends the run instead of waiting, as the technician's stop request would.
    bool stopOnLowPaper = false;
    // The run ends after the first line the printer does not answer with success, so that a
    // script setting a printer up leaves it where it failed; the log says where and why.
    bool stopOnError = false;
    // Asked, when given, before each line that reaches the printer (commands and day advances)
    // with the line as written, in UTF-8. Called on the worker's thread.
    std::function<StepAnswer(const std::string& line)> step = {};
};

struct ScriptWorkerOutcome {
    int commandsSent = 0;
    int commandsFailed = 0; // answered with another result line than "( 0000 ) - ..."
    bool stopped = false;   // the run ended before the end of the file
    // Why the run stopped before the end of the file when the printer or its first error
    // stopped it (UTF-8, as the log says it last); empty otherwise.
    std::string stopReason;
};

class ScriptWorker {
public:
    // `dictionary` names the answers' fields and is only read; `stopRequested` is raised by the
    // user-interface thread and read before every line.
    ScriptWorker(Engine& engine, const CommandDictionary& dictionary,
                 const std::atomic<bool>& stopRequested, ScriptWorkerOptions options = {});

    // Writes the log to `log` while the script runs. A script that cannot be opened writes
    // nothing.
    ScriptWorkerOutcome run(int slot, const std::filesystem::path& script, ScriptLog& log);
    // The same, with the whole log in `log` (emptied first).
    ScriptWorkerOutcome run(int slot, const std::filesystem::path& script, std::string& log);

private:
    void advanceDay(int slot, std::string& log, ScriptWorkerOutcome& outcome);
    void sendCommand(int slot, const std::string& line, std::string& log,
                     ScriptWorkerOutcome& outcome);
    bool waitWhilePaperLow(int slot, ResultRecord& result, std::string& log,
                           ScriptWorkerOutcome& outcome);
    void showMessage(int slot, const std::string& line);
    void appendResponse(const ResultRecord& result, std::string& log, ScriptWorkerOutcome& outcome);
    void stopAtError(long lineNumber, const std::string& line, std::string& log,
                     ScriptWorkerOutcome& outcome);
    std::string printerLabel(int slot) const;
    bool stopRequested() const { return stopRequested_.load(std::memory_order_acquire); }

    Engine& engine_;
    const CommandDictionary& dictionary_;
    const std::atomic<bool>& stopRequested_;
    ScriptWorkerOptions options_;
    bool lowPaperStop_ = false;
    std::string lastResponse_; // of the line just run, for the stop at the first error
};

} // namespace morvelan
