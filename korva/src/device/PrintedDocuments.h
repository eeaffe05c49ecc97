// What the virtual printer prints, laid out as the 48-column documents of a fiscal printer:
// the header lines, the taxpayer's registrations, date, time and COO, the document's title and
// body, the counters and totals the state holds, and the printer's identification. Texts are
// UTF-8; each document ends with the cut line, which marks where one document ends on the roll.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "PrinterState.h"

namespace korva::paper {

inline constexpr std::size_t kColumns = 48;
// The last line of every document.
inline const std::string kCutLine(kColumns, '=');

// Subtitles of the X readings that are not the plain one.
inline constexpr std::string_view kOpeningDay = "ABERTURA DE JORNADA FISCAL";
inline constexpr std::string_view kIntervention = "INTERVENÇÃO TÉCNICA";

// An X reading; `subtitle` empty for the plain one.
std::string readingX(const PrinterState& s, std::int64_t now, std::string_view subtitle);
// The Z reduction, printed once the state holds the closed day.
std::string reductionZ(const PrinterState& s, std::int64_t now);
// The fiscal memory reading (mode 4 to 7) or the detail memory reading, with its range.
struct Range {
    std::string start, end;
    std::string_view kind; // "CRZ", "DATA", "COO"
};
std::string fiscalMemoryReading(const PrinterState& s, std::int64_t now, bool simplified,
                                const Range& range);
std::string detailMemoryReading(const PrinterState& s, std::int64_t now, const Range& range);
// The document the recording of a user prints, for the technician to check before confirming.
std::string userRecording(const PrinterState& s, std::int64_t now, const PendingUser& user);

} // namespace korva::paper
