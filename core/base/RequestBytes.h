// Reading and writing the fields of a form's request data at fixed offsets. Every access is
// clipped to the bytes the caller handed in, so a short record never lets a body write past it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

namespace morvelan {

// The zero-terminated text of a field of `width` bytes: at most width - 1 bytes, so that a field
// that lost its terminating zero cannot run into the next one.
inline std::string textAt(std::span<const char> data, std::size_t offset, std::size_t width) {
    if (offset >= data.size() || width == 0) {
        return {};
    }
    const std::size_t limit = std::min(width - 1, data.size() - offset);
    const char* start = data.data() + offset;
    return std::string(start, strnlen(start, limit));
}

// The text a library wrote into a buffer of `size` bytes, terminated or not.
inline std::string_view bufferText(const char* buffer, std::size_t size) {
    return std::string_view(buffer, strnlen(buffer, size));
}

// Copies at most `count` bytes of `text` to `offset`; bytes beyond the text are left alone.
inline void putText(std::span<char> data, std::size_t offset, std::string_view text,
                    std::size_t count) {
    if (offset >= data.size()) {
        return;
    }
    const std::size_t n = std::min({count, text.size(), data.size() - offset});
    std::memcpy(data.data() + offset, text.data(), n);
}

// A 32-bit integer in the machine's order, as the forms store it; 0 when outside the data.
inline std::int32_t intAt(std::span<const char> data, std::size_t offset) {
    std::int32_t value = 0;
    if (offset + sizeof value <= data.size()) {
        std::memcpy(&value, data.data() + offset, sizeof value);
    }
    return value;
}

template <typename T> void putValue(std::span<char> data, std::size_t offset, T value) {
    if (offset + sizeof value <= data.size()) {
        std::memcpy(data.data() + offset, &value, sizeof value);
    }
}

} // namespace morvelan
