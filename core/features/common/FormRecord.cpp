#include "core/features/common/FormRecord.h"

#include "core/base/Cp1252.h"

#include <algorithm>
#include <cstring>

namespace morvelan {

std::string recordText(std::span<const char> record, std::size_t offset, std::size_t width) {
    if (width == 0)
        return {};
    return recordChars(record, offset, width - 1);
}

std::string recordChars(std::span<const char> record, std::size_t offset, std::size_t count) {
    if (offset >= record.size())
        return {};
    const std::size_t limit = std::min(count, record.size() - offset);
    const char* start = record.data() + offset;
    return fromCp1252Field(start, limit);
}

void putRecordText(std::span<char> record, std::size_t offset, std::size_t width,
                   std::string_view utf8) {
    if (offset >= record.size() || width == 0)
        return;
    const std::size_t slot = std::min(width, record.size() - offset);
    std::memset(record.data() + offset, 0, slot);
    const auto bytes = toCp1252(utf8);
    std::memcpy(record.data() + offset, bytes.data(), std::min(bytes.size(), slot - 1));
}

} // namespace morvelan
