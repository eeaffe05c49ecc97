#include "core/engine/history/HistoryRecorder.h"

#include "core/base/CommandFileLayout.h"
#include "core/base/Cp1252.h"
#include "core/engine/Engine.h"
#include "core/engine/FunctionNames.h"

#include <algorithm>
#include <ctime>
#include <utility>

namespace morvelan::history {
namespace {

std::string label(const RunReport& report) {
    switch (report.kind) {
    case RunKind::RawCommand:
        return kRawCommandLabel;
    case RunKind::Script:
        return kScriptLabel;
    case RunKind::Operation:
        break;
    }
    const std::string_view name = itemName(report.type, report.step);
    return name.empty()
               ? "Operação " + std::to_string(report.type) + "." + std::to_string(report.step)
               : std::string(name);
}

EntryKind entryKind(RunKind kind) {
    switch (kind) {
    case RunKind::RawCommand:
        return EntryKind::RawCommand;
    case RunKind::Script:
        return EntryKind::Script;
    case RunKind::Operation:
        break;
    }
    return EntryKind::Operation;
}

// The request data as the working command file keeps it for the operation; none for an
// operation without a block.
std::vector<char> requestBlock(const RunReport& report) {
    const auto block = commandFileBlock(report.type, report.step);
    if (report.kind != RunKind::Operation || !block || report.requestData.empty())
        return {};
    std::vector<char> bytes(block->size, '\0');
    std::copy_n(report.requestData.begin(), std::min(block->size, report.requestData.size()),
                bytes.begin());
    return bytes;
}

PrinterKey printerKey(const Engine& engine, std::size_t slot) {
    return {engine.fiscalMemorySerial[slot], engine.mfdSerial[slot], engine.modelName[slot]};
}

} // namespace

std::string historyTime(std::chrono::system_clock::time_point at) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(at);
    std::tm local{};
    localtime_r(&seconds, &local);
    char buffer[20] = {};
    std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S", &local);
    return buffer;
}

HistoryRecorder::HistoryRecorder(HistoryDatabase& database, Report report, Clock clock)
    : database_(database), report_(std::move(report)), clock_(std::move(clock)) {
    if (!database_.writable())
        failed();
}

void HistoryRecorder::failed() {
    if (reported_ || !report_)
        return;
    reported_ = true;
    report_(database_.problem());
}

void HistoryRecorder::planConfirmed(int type, int step, std::string_view lines) {
    plan_ = ConfirmedPlan{type, step, std::string(lines)};
}

void HistoryRecorder::runEnded(const Engine& engine, const RunReport& report) {
    // A plan whose send never reached the printer must not end up on a later run.
    const std::optional<ConfirmedPlan> plan = std::exchange(plan_, std::nullopt);
    if (report.result == nullptr)
        return;
    const auto slot = static_cast<std::size_t>(report.slot);
    // Key generation is an intervention of its own unless a larger one is under way.
    const bool ownIntervention =
        !intervention_ && report.kind == RunKind::Operation && report.type == 3 && report.step == 1;
    if (ownIntervention)
        interventionBegan(engine, kKeyIntervention);

    const ResultRecord& result = *report.result;
    HistoryEntry entry;
    entry.kind = entryKind(report.kind);
    entry.interventionId = intervention_;
    entry.type = report.type;
    entry.step = report.step;
    entry.label = label(report);
    entry.port = engine.portName[slot];
    entry.startedAt = historyTime(report.startedAt);
    entry.endedAt = historyTime(report.endedAt);
    entry.resultCode = result.resultCode;
    entry.fieldError = fromCp1252Field(result.fieldErrorText);
    entry.portStatus = fromCp1252Field(result.portStatusText);
    entry.printerStatus = fromCp1252Field(result.printerStatusText);
    entry.fiscalStatus = fromCp1252Field(result.fiscalStatusText);
    entry.resultLine = fromCp1252Field(result.resultLine);
    entry.requestBlock = requestBlock(report);
    entry.tableErrors = std::string(report.tableErrors);
    entry.command = std::string(report.command);
    entry.answer = std::string(report.answer);
    entry.commandLog = std::string(report.commandLog);
    if (plan && report.kind == RunKind::Operation && plan->type == report.type &&
        plan->step == report.step)
        entry.planLines = plan->lines;

    const PrinterKey key = printerKey(engine, slot);
    if (!database_.recordOperation(key, entry)) {
        failed();
    } else if (intervention_ && !interventionHasPrinter_) {
        // A sequence may start before the printer is detected; it belongs to the first printer
        // one of its runs reached.
        if (const auto printer = database_.printerId(key)) {
            interventionHasPrinter_ = database_.attachPrinter(*intervention_, *printer);
        }
    }
    if (intervention_)
        interventionStep(entry.label + ": " + entry.resultLine, succeeded(entry));
    if (ownIntervention)
        interventionEnded(entry.resultLine);
}

void HistoryRecorder::interventionBegan(const Engine& engine, std::string_view kind) {
    if (intervention_)
        interventionEnded(kInterventionInterrupted);
    const std::string at = now();
    std::optional<std::int64_t> printer;
    if (engine.printerPresent[0] == 1)
        printer = database_.notePrinter(printerKey(engine, 0), engine.portName[0], at);
    intervention_ = database_.beginIntervention(printer, kind, at);
    interventionHasPrinter_ = printer.has_value();
    if (!intervention_)
        failed();
}

void HistoryRecorder::interventionStep(std::string_view description, bool succeeded) {
    if (intervention_ &&
        !database_.addStep(*intervention_, {now(), std::string(description), succeeded}))
        failed();
}

void HistoryRecorder::interventionEnded(std::string_view outcome) {
    if (!intervention_)
        return;
    if (!database_.endIntervention(*intervention_, now(), outcome))
        failed();
    intervention_.reset();
    interventionHasPrinter_ = false;
}

} // namespace morvelan::history
