// The daily log of exchanges: one file KORVA-AAAAMMDD.log per day in the directory handed to
// the library, one line per exchange and per port opening or closing:
//   timestamp TAB command TAB answer TAB status TAB result
#pragma once

#include <chrono>
#include <filesystem>
#include <string_view>

namespace korva {

class ExchangeLog {
public:
    void configure(std::filesystem::path directory, bool enabled);
    bool enabled() const { return enabled_; }
    void write(std::chrono::system_clock::time_point when, std::string_view command,
               std::string_view answer, std::string_view status, int result);

private:
    std::filesystem::path directory_;
    bool enabled_ = false;
};

} // namespace korva
