// "Data e hora": the record of a clock setting, the confirmation the technician reads before the
// printer's clock is set for good, and the comparison of the printer's clock with this PC's.
#pragma once

#include "core/features/common/FormRecord.h"

#include <ctime>
#include <optional>
#include <span>
#include <string>

namespace morvelan::settings {

inline constexpr const char* kBlankClockMessage =
    "ERRO: A data e/ou hora não pode(m) ser enviada(s) em branco!";

// A local date and time, as the printer's clock and the PC's wall clock both show it.
struct CivilTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

struct ClockValues {
    std::string date; // DDMMAAAA
    std::string time; // hhmmss
};

// The date and time a record holds, as they are sent (the form trims them for display).
ClockValues clockValues(std::span<const char> record);
// A zeroed record with at most 8 characters of date and 6 of time.
FormRecord clockRecord(const ClockValues& values);
// What the technician confirms with OK before the clock is set.
std::string clockConfirmation(const ClockValues& values);

// The printer's DDMMAAAA and hhmmss as a date and time; none when they are not one.
std::optional<CivilTime> parsePrinterClock(const ClockValues& values);
// The PC's local time in the printer's DDMMAAAA and hhmmss.
ClockValues printerClockText(const CivilTime& time);
CivilTime localCivilTime(std::time_t moment);
// "Diferença para este computador: +12 s" — the printer's clock minus the PC's; larger
// differences also in hours, minutes and seconds.
std::string clockDifferenceText(const CivilTime& printer, const CivilTime& pc);

} // namespace morvelan::settings
