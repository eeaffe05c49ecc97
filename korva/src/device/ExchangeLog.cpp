#include "ExchangeLog.h"

#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

namespace korva {
namespace {

// Control characters would break the one-line-per-exchange layout.
std::string oneLine(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

void ExchangeLog::configure(std::filesystem::path directory, bool enabled) {
    directory_ = std::move(directory);
    enabled_ = enabled;
    if (enabled_) {
        std::error_code ec;
        std::filesystem::create_directories(directory_, ec);
    }
}

void ExchangeLog::write(std::chrono::system_clock::time_point when, std::string_view command,
                        std::string_view answer, std::string_view status, int result) {
    if (!enabled_) {
        return;
    }
    const std::time_t t = std::chrono::system_clock::to_time_t(when);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(when.time_since_epoch()).count() %
        1000;
    std::tm tm{};
    localtime_r(&t, &tm);
    char day[16];
    std::strftime(day, sizeof day, "%Y%m%d", &tm);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &tm);
    char millis[8];
    std::snprintf(millis, sizeof millis, ".%03d", static_cast<int>(ms));

    // A log that cannot be written must never fail the exchange itself.
    std::ofstream out(directory_ / (std::string("KORVA-") + day + ".log"),
                      std::ios::binary | std::ios::app);
    out << stamp << millis << '\t' << oneLine(command) << '\t' << oneLine(answer) << '\t' << status
        << '\t' << result << '\n';
}

} // namespace korva
