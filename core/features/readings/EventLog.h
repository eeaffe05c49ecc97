// The event log reading (7.16): 27-character records cut into the grid's seven columns, and the
// text file "Salvar dados em arquivo" writes from the grid.
#pragma once

#include "core/base/Prompts.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace morvelan {

// The request data of the reading: the log text and its zero in bytes 0-270, the character count
// the printer reports from byte 271.
inline constexpr std::size_t kEventLogTextLength = 270;
inline constexpr std::size_t kEventLogCountOffset = 271, kEventLogCountLength = 3;
inline constexpr std::size_t kEventLogRequestSize = 275;

inline constexpr std::size_t kEventLogRows = 10;
inline constexpr std::size_t kEventLogColumns = 7;
inline constexpr std::size_t kEventRecordSize = 27;
inline constexpr std::array<const char*, kEventLogColumns> kEventLogTitles = {
    "Data", "Hora", "Evento", "Arquivo", "Linha", "Comando", "Tipo"};
inline constexpr std::array<std::size_t, kEventLogColumns> kEventFieldWidths = {8, 4, 1, 4,
                                                                                5, 4, 1};

inline constexpr const char* kEventLogFilter = "Arquivo Texto (*.txt)|*.txt||";
inline constexpr const char* kEventLogExtension = "*.txt";
inline constexpr const char* kEventLogSaved = "Arquivo Salvo com Sucesso.";
inline constexpr const char* kEventLogNotSaved = "Erro ao Salvar o Arquivo.";

using EventRow = std::array<std::string, kEventLogColumns>;
using EventGrid = std::array<EventRow, kEventLogRows>;

// The number of log characters the printer reports; 0 when the text holds no number.
std::size_t eventLogCount(std::string_view countText);

// The grid: record k in row k for the records that lie wholly within both the count and the text
// received; the other rows empty.
EventGrid eventGrid(std::string_view log, std::size_t count);

// What a reading's request data holds, as the printer answered it (Windows-1252): the grid of the
// records the count covers, and the count's own text, which the form shows as it came.
struct EventLogReading {
    EventGrid grid;
    std::string countText;
};
EventLogReading eventLogReading(std::span<const char> record);

// Ten lines, one per row: the seven fields joined by " - ", each line ended by CR LF.
std::string eventLogFileText(const EventGrid& grid);

// Asks where to save, writes the file and tells the technician how it went. Cancelling the dialog
// does nothing. True when the file was written.
bool saveEventLog(Prompts& prompts, const EventGrid& grid);

} // namespace morvelan
