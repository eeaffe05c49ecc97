// The printer's clock: the host clock plus an offset kept in the state, so that it runs. Times
// are seconds since 1970 read as the printer's own wall-clock time (no time zone).
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korva::clock {

std::int64_t hostSeconds(std::chrono::system_clock::time_point host);

// "DDMMAAAA" and "hhmmss"; nullopt when not a real date or time.
std::optional<std::int64_t> parseDate(std::string_view ddmmaaaa);
std::optional<std::int64_t> parseTime(std::string_view hhmmss);

std::string date(std::int64_t seconds); // DDMMAAAA
std::string time(std::int64_t seconds); // hhmmss
std::string hhmm(std::int64_t seconds);

} // namespace korva::clock
