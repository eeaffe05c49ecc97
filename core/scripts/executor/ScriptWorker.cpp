#include "core/scripts/executor/ScriptWorker.h"

#include "core/base/Cp1252.h"
#include "core/base/RequestBytes.h"
#include "core/engine/RawCommand.h"
#include "core/scripts/executor/CommandLog.h"
#include "core/scripts/executor/NextDay.h"
#include "core/scripts/scriptfile/ScriptFile.h"
#include "core/scripts/scriptfile/ScriptLoop.h"

#include <cstring>

namespace morvelan {
namespace {

void decodeInto(Engine& engine, ResultRecord& result, int slot) {
    std::memset(&result, 0, sizeof result);
    engine.decodeStatus(result, slot);
}

} // namespace

ScriptWorker::ScriptWorker(Engine& engine, const CommandDictionary& dictionary,
                           const std::atomic<bool>& stopRequested, ScriptWorkerOptions options)
    : engine_(engine), dictionary_(dictionary), stopRequested_(stopRequested), options_(options) {}

std::string ScriptWorker::printerLabel(int slot) const {
    const auto index = static_cast<std::size_t>(slot);
    return "( " + engine_.portName[index] + " - " + engine_.modelName[index] + " )";
}

ScriptWorkerOutcome ScriptWorker::run(int slot, const std::filesystem::path& script,
                                      std::string& log) {
    log.clear();
    ScriptLog whole([&log](std::string_view piece) { log += piece; });
    return run(slot, script, whole);
}

ScriptWorkerOutcome ScriptWorker::run(int slot, const std::filesystem::path& script,
                                      ScriptLog& log) {
    ScriptWorkerOutcome outcome;
    lowPaperStop_ = false;
    engine_.librarySemaphore.acquire();
    ScriptFileReader reader(script);
    engine_.librarySemaphore.release();
    if (!reader.isOpen()) {
        return outcome;
    }
    reader.stopWhen(stopRequested_);
    ScriptLoop loop;
    long loopLine = 0;
    std::string line;
    // What the current script line adds to the log; written out as soon as the line is done.
    std::string piece;
    for (;;) {
        if (stopRequested() || lowPaperStop_) {
            outcome.stopped = true;
            break;
        }
        if (!reader.readLine(line)) {
            outcome.stopped = stopRequested();
            break;
        }
        const int failedBefore = outcome.commandsFailed;
        const ScriptLineKind kind = ClassifyScriptLine(line);
        if (options_.step &&
            (kind == ScriptLineKind::Command || kind == ScriptLineKind::AdvanceDay)) {
            const StepAnswer answer = options_.step(fromCp1252(line));
            if (answer == StepAnswer::Stop) {
                outcome.stopped = true;
                break;
            }
            if (answer == StepAnswer::Skip) {
                continue;
            }
        }
        switch (kind) {
        case ScriptLineKind::AdvanceDay:
            advanceDay(slot, piece, outcome);
            break;
        case ScriptLineKind::LoopStart:
            loop.start(reader.position());
            loopLine = reader.lineNumber();
            break;
        case ScriptLineKind::LoopEnd:
            if (const std::optional<long> back = loop.end(line)) {
                reader.seek(*back, loopLine);
            } else {
                // A finished loop is forgotten: a later loop end without a loop start of its
                // own repeats nothing, so no pair of loop ends can send the run round forever.
                loop = ScriptLoop{};
            }
            break;
        case ScriptLineKind::Message:
        case ScriptLineKind::TimedMessage:
            showMessage(slot, line);
            break;
        case ScriptLineKind::Command:
            sendCommand(slot, line, piece, outcome);
            break;
        case ScriptLineKind::Comment:
        case ScriptLineKind::OtherControl:
        case ScriptLineKind::Empty:
            break;
        }
        const bool failed = outcome.commandsFailed > failedBefore;
        if (failed && options_.stopOnError) {
            stopAtError(reader.lineNumber(), line, piece, outcome);
        }
        if (!piece.empty()) {
            log.write(piece, failed);
            piece.clear();
        }
        if (outcome.stopped) {
            break;
        }
    }
    if (outcome.commandsSent > 0) {
        appendLogSeparator(piece, '=');
        log.write(piece, false);
    }
    return outcome;
}

void ScriptWorker::advanceDay(int slot, std::string& log, ScriptWorkerOutcome& outcome) {
    appendLogCommand(log, kAdvanceDayLogLine);
    char clock[15] = {};
    if (engine_.call(&LibraryEntries::Obter_Hora_Relogio, clock) == 0) {
        if (const auto next = nextDayClock(bufferText(clock, sizeof clock))) {
            engine_.call(&LibraryEntries::Ajustar_Relogio, next->date.c_str(), next->time.c_str(),
                         1);
        }
    }
    ResultRecord result;
    decodeInto(engine_, result, slot);
    appendResponse(result, log, outcome);
}

void ScriptWorker::sendCommand(int slot, const std::string& line, std::string& log,
                               ScriptWorkerOutcome& outcome) {
    const auto index = static_cast<std::size_t>(slot);
    if (outcome.commandsSent == 0) {
        appendLogHeader(log, engine_.portName[index], engine_.modelName[index]);
    }
    ++outcome.commandsSent;
    const std::string text = fromCp1252(line);
    appendLogCommand(log, text);
    // A byte the code page leaves undefined is no character the printer can take: the line is
    // answered in the log as a command the printer refused would be, and the run goes on.
    const RawCommandLine raw = rawCommandLine(text);
    if (!raw.refusal.empty()) {
        ++outcome.commandsFailed;
        lastResponse_ = raw.refusal;
        appendLogResponse(log, raw.refusal);
        return;
    }
    ResultRecord result;
    if (!waitWhilePaperLow(slot, result, log, outcome)) {
        return;
    }
    char answer[1025] = {};
    engine_.call(&LibraryEntries::Send_From_FileEX, raw.bytes.c_str(), answer);
    decodeInto(engine_, result, slot);
    const std::string_view answerText = bufferText(answer, sizeof answer - 1);
    if (!answerText.empty()) {
        const std::optional<CommandSlot> found = FindCommandForScriptLine(dictionary_, line);
        appendLogAnswer(log, answerText, found ? &CommandAt(dictionary_, *found) : nullptr);
    }
    appendResponse(result, log, outcome);
}

bool ScriptWorker::waitWhilePaperLow(int slot, ResultRecord& result, std::string& log,
                                     ScriptWorkerOutcome& outcome) {
    decodeInto(engine_, result, slot);
    while (bufferText(result.printerStatusText, sizeof result.printerStatusText)
               .starts_with(kLowPaperStatus)) {
        // The technician may give up while the printer waits for paper.
        if (stopRequested() || options_.stopOnLowPaper) {
            // The command stays unsent; the log and whoever ran the script learn why.
            lowPaperStop_ = true;
            outcome.stopReason = "Execução interrompida, comando não enviado: " +
                                 fromCp1252Field(result.printerStatusText);
            appendLogResponse(log, outcome.stopReason);
            return false;
        }
        const std::string prompt = printerLabel(slot) +
                                   " \nImpressora com pouco papel!\nColoque uma nova bobina e "
                                   "clique em 'OK";
        engine_.librarySemaphore.acquire();
        engine_.prompts().message(kAlertTitle, prompt, PromptIcon::Information);
        engine_.librarySemaphore.release();
        // Asked of the printer itself, or the paper just loaded would never be seen.
        char status[21] = {};
        engine_.askPrinterStatus(status);
        decodeInto(engine_, result, slot);
    }
    return true;
}

void ScriptWorker::showMessage(int slot, const std::string& line) {
    const std::string text = printerLabel(slot) + "\n" + fromCp1252(ScriptMessageText(line));
    if (ClassifyScriptLine(line) == ScriptLineKind::TimedMessage) {
        engine_.prompts().chronometer(text);
    } else {
        engine_.prompts().message(kAlertTitle, text, PromptIcon::Information);
    }
}

void ScriptWorker::appendResponse(const ResultRecord& result, std::string& log,
                                  ScriptWorkerOutcome& outcome) {
    const std::string line = fromCp1252Field(result.resultLine);
    if (line != kSuccessResultLine) {
        ++outcome.commandsFailed;
    }
    appendLogResponse(log, line);
    lastResponse_ = line;
}

void ScriptWorker::stopAtError(long lineNumber, const std::string& line, std::string& log,
                               ScriptWorkerOutcome& outcome) {
    outcome.stopped = true;
    outcome.stopReason = "Execução interrompida no primeiro erro: linha " +
                         std::to_string(lineNumber) + ", comando [ " + fromCp1252(line) +
                         " ], resposta " + lastResponse_;
    appendLogStop(log, outcome.stopReason);
}

} // namespace morvelan
