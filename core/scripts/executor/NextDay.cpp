#include "core/scripts/executor/NextDay.h"

#include <cstdio>

namespace morvelan {
namespace {

bool leapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int month, int year) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leapYear(year) ? 29 : kDays[month - 1];
}

std::optional<int> digits(std::string_view text, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

} // namespace

std::optional<ClockSetting> nextDayClock(std::string_view clockText) {
    if (clockText.size() < 14) {
        return std::nullopt;
    }
    const auto day = digits(clockText, 0, 2);
    const auto month = digits(clockText, 2, 2);
    const auto year = digits(clockText, 4, 4);
    const auto hours = digits(clockText, 8, 2);
    const auto minutes = digits(clockText, 10, 2);
    const auto seconds = digits(clockText, 12, 2);
    if (!day || !month || !year || !hours || !minutes || !seconds || *month < 1 || *month > 12 ||
        *day < 1 || *day > daysInMonth(*month, *year) || *hours > 23 || *minutes > 59 ||
        *seconds > 59) {
        return std::nullopt;
    }
    int d = *day + 1, m = *month, y = *year;
    if (d > daysInMonth(m, y)) {
        d = 1;
        if (++m > 12) {
            m = 1;
            ++y;
        }
    }
    if (y > 9999) {
        return std::nullopt;
    }
    char date[16] = {};
    std::snprintf(date, sizeof date, "%02d%02d%04d", d, m, y);
    return ClockSetting{date, std::string(clockText.substr(8, 6))};
}

} // namespace morvelan
