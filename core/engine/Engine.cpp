#include "core/engine/Engine.h"

#include "core/base/Cp1252.h"
#include "core/base/RequestBytes.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>
#include <utility>
#include <vector>

namespace morvelan {
namespace {} // namespace

Engine::Engine(BoundLibrary library, Prompts& prompts, FrameServices& frame,
               std::string programDirectory)
    : prompts_(prompts), frame_(frame), programDirectory_(std::move(programDirectory)),
      commandFile_(commandFilePath, programDirectory_, prompts, frame) {
    adopt(std::move(library));
    commandFilePath = commandFile_.defaultPath();
}

Engine::~Engine() = default;

void Engine::bindPendingLibrary() {
    if (!pendingLibrary_) {
        return;
    }
    adopt(std::exchange(pendingLibrary_, nullptr)());
}

void Engine::adopt(BoundLibrary library) {
    libraryHandle = library.handle;
    libraryEntries = library.entries;
    libraryDirectory = std::move(library.directory);
}

void Engine::refreshTitle() {
    commandFile_.readCommandFile(0, 0, {});
}

bool Engine::slotSelected(int slot, int selection, int presentSeen) const {
    return printerPresent[static_cast<std::size_t>(slot)] == 1 &&
           (selection == kAllPrinters || selection == presentSeen);
}

int Engine::runWorkers(int selection, const std::function<void(int slot)>& job) {
    std::vector<std::thread> workers;
    workerDone[0].store(1, std::memory_order_release);
    int presentSeen = 0;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        auto& done = workerDone[static_cast<std::size_t>(slot)];
        if (slotSelected(slot, selection, presentSeen)) {
            done.store(0, std::memory_order_release);
            workers.emplace_back([&job, &done, slot] {
                // A worker always ends by setting its flag, or the progress wait would never end.
                try {
                    job(slot);
                } catch (...) {
                }
                done.store(1, std::memory_order_release);
            });
        }
        if (printerPresent[static_cast<std::size_t>(slot)] == 1) {
            ++presentSeen;
        }
        if (selection == slot) {
            break;
        }
    }
    frame_.waitForWorker(workerDone[0]);
    for (auto& worker : workers) {
        worker.join();
    }
    return static_cast<int>(workers.size());
}

void Engine::reportRun(const RunReport& report) noexcept {
    try {
        observer_->runEnded(*this, report);
    } catch (...) {
    }
}

void Engine::runOperation(int type, int step, std::span<char> data, int selection) {
    const auto startedAt = std::chrono::system_clock::now();
    frame_.showResponsePanel();
    operationType = type;
    operationStep = step;
    const OperationEntry* entry = operations_.find(type, step);
    if (entry != nullptr && entry->beforeRun) {
        entry->beforeRun(*this);
    }
    commandFile_.writeCommandFile(type, step, data);
    if (!ensurePrinter()) {
        return;
    }
    for (auto& record : resultRecords) {
        std::memset(&record, 0, sizeof record);
    }
    const int started = runWorkers(selection, [this, data](int slot) {
        const auto index = static_cast<std::size_t>(slot);
        WorkerArgument argument{slot, data, isMkiii[index], &resultRecords[index]};
        runWorker(argument);
    });
    // Recorded before any message box or the response panel: a program closed or killed while
    // the technician reads the outcome keeps what the printer did.
    if (started != 0) {
        const bool tables = entry != nullptr && entry->listsTableErrors;
        reportRun(
            {.kind = RunKind::Operation,
             .type = type,
             .step = step,
             .startedAt = startedAt,
             .endedAt = std::chrono::system_clock::now(),
             .result = &resultRecords[0],
             .requestData = data,
             .tableErrors = tables ? std::string_view(tableErrorText[0]) : std::string_view()});
    }
    applyAfterEffects(entry, data, selection);
    if (started != 0) {
        noteSequenceRun(entry, data);
    }
    frame_.showResult(selection, type, step, ResultRecord(resultRecords[0]));
}

void Engine::runWorker(WorkerArgument& argument) {
    const OperationEntry* entry = operations_.find(operationType, operationStep);
    // The printer's status would describe its last exchange, not this one, and would pass for a
    // success: a code without a body says that it did not run.
    if (entry == nullptr) {
        markUnavailable(*argument.result);
        return;
    }
    argument.result->resultCode = entry->body(*this, argument);
    // A body that failed before it reached the printer has said why (markNotSent).
    if (argument.result->resultLine[0] == '\0') {
        decodeStatus(*argument.result, argument.slot);
    }
}

void Engine::applyAfterEffects(const OperationEntry* entry, std::span<char> data, int selection) {
    if (entry == nullptr) {
        return;
    }
    if (entry->listsTableErrors && printerPresent[0] == 1 && !tableErrorText[0].empty()) {
        prompts_.message(kErrorTitle,
                         "( " + portName[0] + " - " + modelName[0] + " )\n\n" + tableErrorText[0],
                         PromptIcon::Error);
    }
    if (entry->afterRun) {
        entry->afterRun(*this, data, selection);
    }
}

void Engine::noteSequenceRun(const OperationEntry* entry, std::span<const char> data) {
    if (sequenceStep < 0 || sequenceStep >= kSealingSteps) {
        return;
    }
    // Every slot a run did not start on keeps the zero its record was cleared to.
    const bool refused = std::any_of(resultRecords.begin(), resultRecords.end(),
                                     [](const ResultRecord& r) { return r.resultCode != 0; });
    const bool open = entry != nullptr && entry->leavesStepOpen && entry->leavesStepOpen(data);
    sequenceOutcomes[static_cast<std::size_t>(sequenceStep)] = refused ? StepOutcome::Failed
                                                               : open  ? StepOutcome::NotRun
                                                                       : StepOutcome::Succeeded;
}

bool Engine::readOperation(int type, int step, std::span<char> data, bool showMessages) {
    operationType = type;
    operationStep = step;
    std::string message;
    if (!ensurePrinter()) {
        return false;
    }
    for (auto& outcome : readOutcome) {
        outcome = kReadNone;
    }
    const OperationEntry* reading = readings_.find(type, step);
    const std::span<char> readData =
        reading != nullptr && reading->takesData ? data : std::span<char>{};
    const int started = runWorkers(0, [this, readData](int slot) {
        const auto index = static_cast<std::size_t>(slot);
        std::memset(&resultRecords[index], 0, sizeof(ResultRecord));
        WorkerArgument argument{slot, readData, isMkiii[index], &resultRecords[index]};
        runReadWorker(argument);
    });
    // Nothing was read when no printer is present: a reading without a printer is no success,
    // and the detection has already told the technician.
    if (started == 0) {
        return false;
    }
    bool failed = false;
    if (readOutcome[0] == kReadSucceeded) {
        message += "( " + modelName[0] + " ) ( " + portName[0] +
                   " ) ( 0000 ) - Operação finalizada com sucesso. )\n";
    } else {
        message += "( " + modelName[0] + " ) " + readErrorText[0] + "\n";
        failed = true;
    }
    if (showMessages) {
        prompts_.message(kAlertTitle, message,
                         failed ? PromptIcon::Error : PromptIcon::Information);
    }
    return !failed;
}

void Engine::runReadWorker(WorkerArgument& argument) {
    const auto index = static_cast<std::size_t>(argument.slot);
    const OperationEntry* entry = readings_.find(operationType, operationStep);
    if (entry == nullptr) {
        markUnavailable(*argument.result);
    } else {
        argument.result->resultCode = entry->body(*this, argument);
        if (argument.result->resultCode == 0) {
            readOutcome[index] = kReadSucceeded;
            return;
        }
        decodeStatus(*argument.result, argument.slot);
    }
    readErrorText[index] =
        "( " + portName[index] + " ) " + fromCp1252Field(argument.result->resultLine) + "\n";
    readOutcome[index] = kReadFailed;
}

void Engine::readStatus(ResultRecord& result) {
    std::memset(&result, 0, sizeof result);
    runWorkers(0, [this, &result](int slot) {
        char clock[15] = {};
        result.resultCode = call(&LibraryEntries::Obter_Hora_Relogio, clock);
        decodeStatus(result, slot);
    });
}

bool Engine::checkMitMode(int selection) {
    ResultRecord status{};
    readStatus(status);
    if (!slotSelected(0, selection, 0)) {
        return true;
    }
    const std::optional<FiscalState> fiscal = fiscalState[0];
    if (!fiscal || !fiscal->technicalIntervention) {
        return false;
    }
    if (fiscal->mode == FiscalMode::Fiscalized || fiscal->mode == FiscalMode::Manufacture) {
        return true;
    }
    if (fiscal->mode == FiscalMode::Blocked) {
        // The forced clock setting takes the printer out of the blocked state into MIT; it
        // prints, so it runs on a worker like every other exchange.
        runWorkers(selection, [this](int) {
            call(&LibraryEntries::Ajustar_Relogio, "01012000", "000001", 0);
        });
        return true;
    }
    return false;
}

void Engine::sendFile(SendFileRequest& request, int selection) {
    if (!ensurePrinter()) {
        return;
    }
    request.command[sizeof request.command - 1] = '\0';
    const auto startedAt = std::chrono::system_clock::now();
    const int started = runWorkers(selection, [this, &request](int slot) {
        SendFileSlot& target = request.slots[slot];
        std::memset(target.answer, 0, sizeof target.answer);
        std::memset(&target.result, 0, sizeof target.result);
        target.result.resultCode =
            call(&LibraryEntries::Send_From_FileEX, request.command, target.answer);
        decodeStatus(target.result, slot);
    });
    if (started != 0) {
        const SendFileSlot& slot0 = request.slots[0];
        const std::string command = fromCp1252Field(request.command);
        const std::string answer = fromCp1252Field(slot0.answer);
        reportRun({.kind = RunKind::RawCommand,
                   .startedAt = startedAt,
                   .endedAt = std::chrono::system_clock::now(),
                   .result = &slot0.result,
                   .command = command,
                   .answer = answer});
    }
}

} // namespace morvelan
