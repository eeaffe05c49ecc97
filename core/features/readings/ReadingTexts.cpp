#include "core/features/readings/ReadingTexts.h"

#include "core/base/Cp1252.h"

namespace morvelan {

namespace {

// The characters [offset, offset + count) of `text`, as many as it has.
std::string_view cut(std::string_view text, std::size_t offset, std::size_t count) {
    return offset < text.size() ? text.substr(offset, count) : std::string_view{};
}

// A day that ended without a Z reduction reports this end.
constexpr std::string_view kNoReductionDate = "01012000";
constexpr std::string_view kNoReductionTime = "000000";

} // namespace

std::array<std::string, kSerializationFieldCount> serializationFields(std::string_view data) {
    constexpr std::array<std::pair<std::size_t, std::size_t>, kSerializationFieldCount> kSlices = {
        {{0, 20}, {20, 20}, {40, 20}, {60, 20}, {80, 20}, {100, 8}}};
    std::array<std::string, kSerializationFieldCount> fields;
    for (std::size_t i = 0; i < kSlices.size(); ++i)
        fields[i] = fromCp1252(cut(data, kSlices[i].first, kSlices[i].second));
    return fields;
}

std::string withSeparators(std::string_view text, char separator) {
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == 2 || i == 4)
            shown += separator;
        shown += text[i];
    }
    return shown;
}

std::optional<std::array<std::string, kFiscalDayFieldCount>>
fiscalDayFields(std::string_view data) {
    const auto startDate = cut(data, 0, 8);
    if (startDate.empty())
        return std::nullopt;
    const auto endDate = cut(data, 14, 8);
    const auto endTime = cut(data, 22, 6);
    const bool noReduction = endDate == kNoReductionDate && endTime == kNoReductionTime;
    // A digit other than '0' sets a state; a missing one counts as '0'.
    const auto flag = [&data](std::size_t offset) {
        const auto digit = cut(data, offset, 1);
        return !digit.empty() && digit[0] != '0';
    };
    return std::array<std::string, kFiscalDayFieldCount>{
        fromCp1252(withSeparators(startDate, '/')),
        fromCp1252(withSeparators(cut(data, 8, 6), ':')),
        noReduction ? std::string("-") : fromCp1252(withSeparators(endDate, '/')),
        noReduction ? std::string("-") : fromCp1252(withSeparators(endTime, ':')),
        fromCp1252(cut(data, 28, 6)),
        fromCp1252(cut(data, 34, 6)),
        fromCp1252(cut(data, 40, 6)),
        fromCp1252(cut(data, 46, 6)),
        fromCp1252(cut(data, 52, 6)),
        fromCp1252(cut(data, 58, 6)),
        flag(64) ? "Aberta" : "Fechada",
        flag(65) ? "Limite atingido" : "Vendas",
        flag(66) ? "Permitido" : "Não Permitido (aguardando novo dia)"};
}

std::array<std::string, kMicroswitchCount> microswitchTexts(std::uint16_t value) {
    std::array<std::string, kMicroswitchCount> texts;
    for (std::size_t i = 0; i < kMicroswitchCount; ++i)
        texts[i] = (value & kMicroswitchMasks[i]) != 0 ? "ON" : "OFF";
    return texts;
}

} // namespace morvelan
