#include "core/features/tables/TableText.h"

#include "core/base/Cp1252.h"

#include <cstdio>

namespace morvelan::tables {

std::string twoDigits(int number) {
    char text[12];
    std::snprintf(text, sizeof text, "%02d", number);
    return text;
}

std::string fieldText(const char* field, std::size_t size) {
    return fromCp1252Field(field, size == 0 ? 0 : size - 1);
}

void setField(char* field, std::size_t size, std::string_view utf8, std::size_t maxChars) {
    if (size == 0) {
        return;
    }
    std::memset(field, 0, size);
    const std::string bytes = toCp1252(utf8);
    std::memcpy(field, bytes.data(), std::min({bytes.size(), maxChars, size - 1}));
}

} // namespace morvelan::tables
