// The one-day clock advance of a script: the printer's clock text moved to the same time on the
// following calendar day.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvelan {

struct ClockSetting {
    std::string date; // DDMMAAAA
    std::string time; // hhmmss
};

// From the 14 digits DDMMAAAAhhmmss that the library reads: the next day's date and the same
// time. Nothing when the text is not a valid date and time, so no impossible date is ever sent.
std::optional<ClockSetting> nextDayClock(std::string_view clockText);

} // namespace morvelan
