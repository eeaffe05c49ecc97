// Texts of the table records: names and rates are Windows-1252 in fixed zero-terminated fields;
// the forms, the plan and the messages hold UTF-8.
#pragma once

#include <algorithm>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

namespace morvelan::tables {

// A row or entry number as two digits: "01".."20".
std::string twoDigits(int number);

// The UTF-8 text of a zero-terminated Windows-1252 field; a field that lost its zero stops at its
// last byte.
std::string fieldText(const char* field, std::size_t size);
template <std::size_t N> std::string fieldText(const char (&field)[N]) {
    return fieldText(field, N);
}

// Writes `utf8` into a field as Windows-1252, at most `maxChars` characters (and never the
// field's last byte), the rest zero.
void setField(char* field, std::size_t size, std::string_view utf8, std::size_t maxChars);
template <std::size_t N>
void setField(char (&field)[N], std::string_view utf8, std::size_t maxChars = N - 1) {
    setField(field, N, utf8, maxChars);
}

// A record of type R taken from, or put back into, the request data. Request data shorter than
// the record reads as zeros beyond its end and receives only the bytes it has room for.
// An empty span may carry a null pointer, which memcpy must never see, even for no bytes.
template <typename R> R loadRecord(std::span<const char> data) {
    R record{};
    if (!data.empty()) {
        std::memcpy(&record, data.data(), std::min(sizeof record, data.size()));
    }
    return record;
}
template <typename R> void storeRecord(const R& record, std::span<char> data) {
    if (!data.empty()) {
        std::memcpy(data.data(), &record, std::min(sizeof record, data.size()));
    }
}

} // namespace morvelan::tables
