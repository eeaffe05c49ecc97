#include "core/features/settings/HeaderLines.h"

#include "core/base/Cp1252.h"
#include "core/base/TextTrim.h"
#include "core/features/settings/SettingRecords.h"

#include <algorithm>
#include <cstring>

namespace morvelan::settings {

namespace {
constexpr char kEscape = 27;
constexpr std::size_t kPlainLineLength = 56;
constexpr std::size_t kAttributedLineLength = 54;
constexpr int kAttributeBase = 32;
constexpr int kReverseBase = 48;

void putBytes(FormRecord& record, std::size_t offset, std::size_t width, std::string_view bytes) {
    std::memcpy(record.data() + offset, bytes.data(), std::min(bytes.size(), width - 1));
}
} // namespace

char attributeCharacter(const HeaderAttributes& a) {
    const int sum = (a.bold ? 1 : 0) + (a.underline ? 2 : 0) + (a.doubleWidth ? 4 : 0) +
                    (a.doubleHeight ? 8 : 0) + (a.reverse ? 16 : 0);
    return static_cast<char>(kAttributeBase + sum);
}

std::string encodeHeaderLine(const HeaderLine& line) {
    const std::string text = toCp1252(line.text);
    if (!line.attributes.any())
        return text.substr(0, kPlainLineLength);
    std::string encoded{kEscape, attributeCharacter(line.attributes)};
    return encoded + text.substr(0, kAttributedLineLength);
}

HeaderLine decodeHeaderLine(std::string_view printerLine) {
    HeaderLine line;
    if (printerLine.empty() || printerLine.front() != kEscape) {
        line.text = trimmed(fromCp1252(printerLine), kBlanksAndLineEnds);
        return line;
    }
    int value = printerLine.size() > 1 ? static_cast<unsigned char>(printerLine[1]) : 0;
    auto& a = line.attributes;
    // The reverse attribute lifts the character into the digits; the others are tested from the
    // largest weight down.
    if (value >= kReverseBase) {
        a.reverse = true;
        value -= kReverseBase;
    } else {
        value -= kAttributeBase;
    }
    if (value > 7) {
        a.doubleHeight = true;
        value -= 8;
    }
    if (value > 3) {
        a.doubleWidth = true;
        value -= 4;
    }
    if (value > 1) {
        a.underline = true;
        value -= 2;
    }
    a.bold = value > 0;
    line.text =
        trimmed(fromCp1252(printerLine.substr(std::min<std::size_t>(2, printerLine.size()))),
                kBlanksAndLineEnds);
    return line;
}

FormRecord headerRecord(const HeaderValues& values) {
    FormRecord record(kHeaderRecordSize, '\0');
    for (std::size_t n = 0; n < kHeaderLineCount; ++n) {
        const bool leftOut =
            (n == 1 && !values.sendTradeName) || (n == 3 && !values.sendSecondAddress);
        if (!leftOut)
            putBytes(record, n * kHeaderLineWidth, kHeaderLineWidth,
                     encodeHeaderLine(values.lines[n]));
    }
    putRecordText(record, kHeaderEcfOffset, kHeaderEcfWidth, values.ecfNumber);
    putRecordText(record, kHeaderStoreOffset, kHeaderStoreWidth, values.storeNumber);
    return record;
}

HeaderValues headerValues(std::span<const char> record) {
    HeaderValues values;
    for (std::size_t n = 0; n < kHeaderLineCount; ++n) {
        std::string_view bytes;
        const std::size_t offset = n * kHeaderLineWidth;
        if (offset < record.size()) {
            const std::size_t limit = std::min(kHeaderLineWidth - 1, record.size() - offset);
            bytes =
                std::string_view(record.data() + offset, strnlen(record.data() + offset, limit));
        }
        values.lines[n] = decodeHeaderLine(bytes);
    }
    values.ecfNumber =
        trimmed(recordText(record, kHeaderEcfOffset, kHeaderEcfWidth), kBlanksAndLineEnds);
    values.storeNumber =
        trimmed(recordText(record, kHeaderStoreOffset, kHeaderStoreWidth), kBlanksAndLineEnds);
    values.sendTradeName = !isBlank(values.lines[1].text);
    values.sendSecondAddress = !isBlank(values.lines[3].text);
    return values;
}

bool isBlank(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

} // namespace morvelan::settings
