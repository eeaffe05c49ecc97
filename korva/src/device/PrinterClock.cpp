#include "PrinterClock.h"

#include <cstdio>

namespace korva::clock {
namespace {

std::optional<int> digits(std::string_view s) {
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        v = v * 10 + (c - '0');
    }
    return v;
}

} // namespace

std::int64_t hostSeconds(std::chrono::system_clock::time_point host) {
    return std::chrono::duration_cast<std::chrono::seconds>(host.time_since_epoch()).count();
}

std::optional<std::int64_t> parseDate(std::string_view s) {
    if (s.size() != 8) {
        return std::nullopt;
    }
    const auto d = digits(s.substr(0, 2));
    const auto m = digits(s.substr(2, 2));
    const auto y = digits(s.substr(4, 4));
    if (!d || !m || !y || *y < 1970) {
        return std::nullopt;
    }
    const std::chrono::year_month_day ymd{std::chrono::year{*y},
                                          std::chrono::month{static_cast<unsigned>(*m)},
                                          std::chrono::day{static_cast<unsigned>(*d)}};
    if (!ymd.ok()) {
        return std::nullopt;
    }
    return std::chrono::sys_days{ymd}.time_since_epoch().count() * 86400LL;
}

std::optional<std::int64_t> parseTime(std::string_view s) {
    if (s.size() != 6) {
        return std::nullopt;
    }
    const auto h = digits(s.substr(0, 2));
    const auto m = digits(s.substr(2, 2));
    const auto sec = digits(s.substr(4, 2));
    if (!h || !m || !sec || *h > 23 || *m > 59 || *sec > 59) {
        return std::nullopt;
    }
    return *h * 3600LL + *m * 60LL + *sec;
}

std::string date(std::int64_t seconds) {
    const std::chrono::sys_days days{
        std::chrono::days{seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400}};
    const std::chrono::year_month_day ymd{days};
    char text[16];
    std::snprintf(text, sizeof text, "%02u%02u%04d", static_cast<unsigned>(ymd.day()),
                  static_cast<unsigned>(ymd.month()), static_cast<int>(ymd.year()));
    return text;
}

std::string time(std::int64_t seconds) {
    const std::int64_t s = ((seconds % 86400) + 86400) % 86400;
    char text[16];
    std::snprintf(text, sizeof text, "%02d%02d%02d", static_cast<int>(s / 3600),
                  static_cast<int>(s / 60 % 60), static_cast<int>(s % 60));
    return text;
}

std::string hhmm(std::int64_t seconds) {
    return time(seconds).substr(0, 4);
}

} // namespace korva::clock
