#include "core/features/settings/ClockSetting.h"

#include "core/features/settings/SettingRecords.h"
#include "core/features/settings/SettingTexts.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace morvelan::settings {

namespace {

long long secondsSinceEpoch(const CivilTime& t) {
    using namespace std::chrono;
    const auto date =
        year{t.year} / month{static_cast<unsigned>(t.month)} / day{static_cast<unsigned>(t.day)};
    const long long days = sys_days{date}.time_since_epoch().count();
    return days * 86400 + t.hour * 3600LL + t.minute * 60LL + t.second;
}

// The number in `text`, which must be all digits.
std::optional<int> digits(const std::string& text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::atoi(text.c_str());
}

} // namespace

ClockValues clockValues(std::span<const char> record) {
    return {recordText(record, kClockDateOffset, kClockDateWidth),
            recordText(record, kClockTimeOffset, kClockTimeWidth)};
}

FormRecord clockRecord(const ClockValues& values) {
    FormRecord record(kClockRecordSize, '\0');
    putRecordText(record, kClockDateOffset, kClockDateWidth, values.date);
    putRecordText(record, kClockTimeOffset, kClockTimeWidth, values.time);
    return record;
}

std::string clockConfirmation(const ClockValues& values) {
    return "Atenção, a data e hora abaixo serão gravados no ECF de maneira permanente,\nsem "
           "possibilidade de retrocesso (ou atraso) do relógio em caso de erro.\nVerifique se os "
           "valores estão corretos, pois em contrário a MF e MFD serão perdidas!\n\n\nData: " +
           values.date + "\nHora: " + values.time;
}

std::optional<CivilTime> parsePrinterClock(const ClockValues& values) {
    if (values.date.size() != 8 || values.time.size() != 6)
        return std::nullopt;
    const auto day = digits(values.date.substr(0, 2)), month = digits(values.date.substr(2, 2)),
               year = digits(values.date.substr(4, 4)), hour = digits(values.time.substr(0, 2)),
               minute = digits(values.time.substr(2, 2)), second = digits(values.time.substr(4, 2));
    if (!day || !month || !year || !hour || !minute || !second)
        return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year{*year},
                                           std::chrono::month{static_cast<unsigned>(*month)},
                                           std::chrono::day{static_cast<unsigned>(*day)}};
    if (!date.ok() || *hour > 23 || *minute > 59 || *second > 59)
        return std::nullopt;
    return CivilTime{*year, *month, *day, *hour, *minute, *second};
}

ClockValues printerClockText(const CivilTime& t) {
    char date[16];
    char time[16];
    std::snprintf(date, sizeof date, "%02d%02d%04d", t.day, t.month, t.year);
    std::snprintf(time, sizeof time, "%02d%02d%02d", t.hour, t.minute, t.second);
    return {date, time};
}

CivilTime localCivilTime(std::time_t moment) {
    std::tm local{};
    localtime_r(&moment, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::string clockDifferenceText(const CivilTime& printer, const CivilTime& pc) {
    const long long difference = secondsSinceEpoch(printer) - secondsSinceEpoch(pc);
    std::string text = "Diferença para este computador: " + std::string(difference > 0 ? "+" : "") +
                       std::to_string(difference) + " s";
    const long long magnitude = std::llabs(difference);
    if (magnitude >= 60) {
        char parts[64];
        std::snprintf(parts, sizeof parts, " (%lld h %02lld min %02lld s)", magnitude / 3600,
                      magnitude / 60 % 60, magnitude % 60);
        text += parts;
    }
    return text;
}

} // namespace morvelan::settings
