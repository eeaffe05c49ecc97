// A JSON document built from the same calls that write JSON text (see IndentedJsonWriter), so
// that one list of fields gives both the state file's text and its document.
#pragma once

#include <concepts>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

namespace korva {

class JsonDocumentBuilder {
public:
    // Starts a member of the open object; its value is the next one placed.
    JsonDocumentBuilder& key(std::string_view name) {
        key_ = name;
        return *this;
    }

    void beginObject() { open(nlohmann::json::object()); }
    void endObject() { open_.pop_back(); }
    void beginArray() { open(nlohmann::json::array()); }
    void endArray() { open_.pop_back(); }

    void string(std::string_view text) { place(std::string(text)); }
    void boolean(bool value) { place(value); }
    void null() { place(nullptr); }
    template <std::integral T>
    requires(!std::same_as<T, bool>) void number(T value) { place(value); }

    // The document built; every container should be closed by now.
    nlohmann::json take() { return std::move(root_); }

private:
    nlohmann::json& place(nlohmann::json value);
    void open(nlohmann::json empty) { open_.push_back(&place(std::move(empty))); }

    nlohmann::json root_;
    // The containers open, outermost first. A container grows only while it is the innermost,
    // so the elements these point at do not move.
    std::vector<nlohmann::json*> open_;
    std::string key_;
};

} // namespace korva
