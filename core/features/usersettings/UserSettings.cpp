#include "core/features/usersettings/UserSettings.h"

#include "core/base/Cp1252.h"

#include <algorithm>
#include <cstring>

namespace morvelan::fiscal {
namespace {

constexpr int kNoChoice = -1;

// The value of a text read as an integer: its leading digits, 0 without any.
int leadingNumber(std::string_view text) {
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9' || value > 1000)
            break;
        value = value * 10 + (c - '0');
    }
    return value;
}

char letterAt(std::span<const char> record, std::size_t offset) {
    return offset < record.size() ? record[offset] : '\0';
}

void putLetter(std::span<char> record, std::size_t offset, int index, char first, char second) {
    if (offset + 1 >= record.size())
        return;
    record[offset] = index == 0 ? first : index == 1 ? second : '\0';
    record[offset + 1] = '\0';
}

int yesNoIndex(char letter) {
    return letter == 'S' ? 0 : letter == 'N' ? 1 : kNoChoice;
}

} // namespace

bool refusesMkiiiFunction(const FormServices& services) {
    if (services.printerSlotCount() < 1)
        return false;
    const PrinterIdentity first = services.printer(0);
    return first.present && !first.isMkiii;
}

void putOperator(std::span<char> record, std::string_view name) {
    const std::size_t slot = std::min(kOperatorLength, record.size());
    std::memset(record.data(), 0, slot);
    const std::string bytes = toCp1252(name);
    std::memcpy(record.data(), bytes.data(), std::min(bytes.size(), slot));
}

std::string operatorName(std::span<const char> record) {
    return recordChars(record, 0, kOperatorLength);
}

void putMunicipalRegistration(std::span<char> record, std::string_view im) {
    putRecordText(record, 0, kMunicipalLength + 1, im);
}

std::string municipalRegistration(std::span<const char> record) {
    return recordText(record, 0, kMunicipalLength + 1);
}

int decimalIndex(std::string_view text) {
    const int value = leadingNumber(text);
    return value == 2 ? 0 : value == 3 ? 1 : kNoChoice;
}

std::string decimalErrors(std::string_view quantity, std::string_view price) {
    std::string errors;
    if (decimalIndex(quantity) == kNoChoice)
        errors += kQuantityNotSelected;
    if (decimalIndex(price) == kNoChoice)
        errors += kPriceNotSelected;
    return errors;
}

void putDecimals(std::span<char> record, std::string_view quantity, std::string_view price) {
    putRecordText(record, kQuantityOffset, kDecimalsWidth, quantity);
    putRecordText(record, kPriceOffset, kDecimalsWidth, price);
}

RoundingChoice roundingSent(std::span<const char> record) {
    const char rounding = letterAt(record, kRoundingOffset);
    return {rounding == 'A'   ? 0
            : rounding == 'T' ? 1
                              : kNoChoice,
            yesNoIndex(letterAt(record, kOwnManufactureOffset))};
}

RoundingChoice roundingRead(std::span<const char> record) {
    return {letterAt(record, kRoundingOffset) == 'S' ? 0 : 1,
            yesNoIndex(letterAt(record, kOwnManufactureOffset))};
}

void putRounding(std::span<char> record, RoundingChoice choice) {
    putLetter(record, kRoundingOffset, choice.rounding, 'A', 'T');
    putLetter(record, kOwnManufactureOffset, choice.ownManufacture, 'S', 'N');
}

} // namespace morvelan::fiscal
