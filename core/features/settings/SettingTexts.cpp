#include "core/features/settings/SettingTexts.h"

#include "core/base/TextTrim.h"
#include "core/features/settings/SettingRecords.h"

#include <cstdint>
#include <cstring>

namespace morvelan::settings {

std::string daylightSavingText(std::span<const char> record) {
    std::int32_t state = 0;
    if (record.size() >= sizeof state)
        std::memcpy(&state, record.data(), sizeof state);
    return state == 1 ? kInDaylightSaving : kOutOfDaylightSaving;
}

int speedIndex(std::span<const char> record) {
    const auto stored = recordText(record, 0, kSpeedRecordSize);
    if (stored == kSpeedEntries[0])
        return 0;
    if (stored == kSpeedEntries[1])
        return 1;
    return 2;
}

std::optional<std::string> speedToSend(int index) {
    if (index < 0 || index > 2)
        return std::nullopt;
    return kSpeedEntries[static_cast<std::size_t>(index)];
}

std::string speedRefusal(int index) {
    if (index < 0)
        return "ERRO: Selecione a velocidade de comunicação a ser enviada!";
    return "ERRO: A velocidade " + std::string(kSpeedEntries[3]) +
           " não pode ser configurada por esta função.\nEscolha 9600, 19200 ou 38400.";
}

FormRecord speedRecord(const std::string& speed) {
    FormRecord record(kSpeedRecordSize, '\0');
    putRecordText(record, 0, kSpeedRecordSize, speed);
    return record;
}

int issqnIndex(std::span<const char> record) {
    const char choice = record.empty() ? '\0' : record[0];
    if (choice == 'S')
        return 0;
    if (choice == 'N')
        return 1;
    return -1;
}

FormRecord issqnRecord(int index) {
    FormRecord record(kIssqnRecordSize, '\0');
    if (index == 0)
        record[0] = 'S';
    else if (index == 1)
        record[0] = 'N';
    return record;
}

std::string currencySymbol(std::span<const char> record) {
    return trimmed(recordText(record, 0, kCurrencyRecordSize), kBlanksAndLineEnds);
}

FormRecord currencyRecord(const std::string& symbol) {
    FormRecord record(kCurrencyRecordSize, '\0');
    putRecordText(record, 0, kCurrencyRecordSize, symbol);
    return record;
}

} // namespace morvelan::settings
