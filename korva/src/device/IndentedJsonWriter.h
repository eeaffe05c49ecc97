// JSON text written straight from values into one string, laid out as the JSON library's dump(2)
// lays out a document: two spaces a level, `"key": value`, `{}` and `[]` for empty containers.
// The state file is written after every change the printer makes; building a document first
// would cost an allocation for every value.
#pragma once

#include <charconv>
#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace korva {

class IndentedJsonWriter {
public:
    explicit IndentedJsonWriter(std::size_t expectedSize) { out_.reserve(expectedSize); }

    // Starts a member of the open object; its value is the next one written.
    IndentedJsonWriter& key(std::string_view name);

    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }

    // Throws nlohmann::json::type_error, as the library's dump does, when `text` is not valid
    // UTF-8: a file holding it would be read back as damaged.
    void string(std::string_view text);
    void boolean(bool value) { placeValue(value ? "true" : "false"); }
    void null() { placeValue("null"); }
    template <std::integral T>
    requires(!std::same_as<T, bool>) void number(T value) {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        placeValue(std::string_view(digits, static_cast<std::size_t>(end - digits)));
    }

    // The text written so far; every container should be closed by now.
    std::string take() { return std::move(out_); }

private:
    void startValue();
    void placeValue(std::string_view text) {
        startValue();
        out_ += text;
    }
    void open(char bracket);
    void close(char bracket);
    void newLine(int depth);
    void quoted(std::string_view text);

    std::string out_;
    int depth_ = 0;
    bool empty_ = false;    // the innermost open container holds nothing yet
    bool afterKey_ = false; // a key was written and waits for its value
};

} // namespace korva
