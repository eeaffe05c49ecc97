// The history as the technician takes it away: a CSV file for a spreadsheet, the printable
// summary to attach to the intervention certificate, and the details of one row as text.
#pragma once

#include "core/engine/history/HistoryRecords.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace morvelan::history {

// UTF-8 with a byte order mark, ";" between fields and CR LF after each line, as Brazilian
// spreadsheets open it; fields holding ";", quotes or line breaks are quoted.
std::string toCsv(const std::vector<HistoryEntry>& entries,
                  const std::vector<PrinterSeen>& printers);

// A whole HTML page: the printer, then each row with its outcome, steps and table errors.
std::string summaryHtml(const PrinterSeen& printer, const std::vector<HistoryEntry>& entries,
                        std::string_view generatedAt);

// The decoded texts under the response panel's captions, then what was sent and answered.
std::string detailsText(const HistoryEntry& entry);

// The operation code as the tree numbers it ("6.7"); for a raw command, its code and extension
// ("0107|0000"); empty for rows without one.
std::string operationCode(const HistoryEntry& entry);

// The row's label and what ran under it: a raw command's text ("Comando avulso: 0107|0000|JOSÉ"),
// a script's file name ("Execução de script: config.SEQ").
std::string whatRan(const HistoryEntry& entry);

// The function as the lists show it: an operation's code and name ("6.7 Alíquotas"), what ran for
// the other rows.
std::string listedFunction(const HistoryEntry& entry);

// The outcome as the lists show it: the result line, or "em andamento" for an intervention still
// open.
std::string listedOutcome(const HistoryEntry& entry);

// A size as the technician reads it: "812 bytes", "3,4 MB".
std::string sizeText(std::uintmax_t bytes);

// The request block readable: its texts, with each run of zero bytes shown as " | " and other
// control bytes as \xNN.
std::string blockText(const std::vector<char>& block);

} // namespace morvelan::history
