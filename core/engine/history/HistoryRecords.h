// The records of the service history: the printers the program talked to, the operations it ran
// on them and the interventions that group several operations. Texts are UTF-8 (bytes that are
// not, such as a file name's, are kept as "\xNN"); times are local
// "AAAA-MM-DD hh:mm:ss" texts, which sort as they read and which the sqlite3 tool shows as they
// are.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace morvelan::history {

// What tells one printer from another: the serial numbers and the model.
struct PrinterKey {
    std::string fiscalMemorySerial;
    std::string mfdSerial;
    std::string model;
};

struct PrinterSeen {
    std::int64_t id = 0;
    PrinterKey key;
    std::string port;        // where it answered last
    std::string lastContact; // time of its last operation
};

enum class EntryKind { Operation, RawCommand, Script, Intervention };

struct InterventionStep {
    std::string at;
    std::string description;
    bool succeeded = false;
};

// The outcome of an intervention cut short: another began before it ended, or the program that
// ran it stopped without ending it.
inline constexpr const char* kInterventionInterrupted = "Interrompida";

// One row of a printer's history: an operation, or an intervention with its steps.
struct HistoryEntry {
    std::int64_t id = 0;
    // The order rows were recorded in, shared by operations and interventions: rows of the same
    // second keep the order they happened in.
    std::int64_t sequence = 0;
    EntryKind kind = EntryKind::Operation;
    std::optional<std::int64_t> printerId;
    std::optional<std::int64_t> interventionId; // the intervention an operation belongs to
    int type = 0;
    int step = 0;
    std::string label; // the function's name in the tree, or the intervention's kind
    std::string port;
    std::string startedAt;
    std::string endedAt; // empty for an intervention that never ended
    int resultCode = 0;
    std::string fieldError;
    std::string portStatus;
    std::string printerStatus;
    std::string fiscalStatus;
    std::string resultLine;         // for an intervention, its outcome
    std::vector<char> requestBlock; // the request data as its command-file block keeps it
    std::string tableErrors;
    std::string planLines; // the change plan confirmed before a table send
    std::string command;   // raw command, or the script's path
    std::string answer;
    std::string commandLog; // a script's log, bounded as the executor keeps it for the history
    std::vector<InterventionStep> steps;
};

// Which rows to show. Dates are "AAAA-MM-DD" and both ends are included.
struct HistoryFilter {
    std::optional<std::int64_t> printerId = std::nullopt;
    std::optional<std::string> serial = std::nullopt; // fiscal memory or MFD serial number
    std::optional<std::string> since = std::nullopt;
    std::optional<std::string> until = std::nullopt;
    std::optional<std::string> function = std::nullopt; // the label
};

// What pruning removes, or would remove.
struct PruneCount {
    std::int64_t operations = 0;
    std::int64_t interventions = 0;
};

// A run is a success exactly when the printer answered "0000".
bool succeeded(const HistoryEntry& entry);

} // namespace morvelan::history
