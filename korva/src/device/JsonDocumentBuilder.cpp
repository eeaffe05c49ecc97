#include "JsonDocumentBuilder.h"

#include <utility>

namespace korva {

nlohmann::json& JsonDocumentBuilder::place(nlohmann::json value) {
    if (open_.empty()) {
        root_ = std::move(value);
        return root_;
    }
    nlohmann::json& parent = *open_.back();
    if (parent.is_object()) {
        return parent[key_] = std::move(value);
    }
    parent.push_back(std::move(value));
    return parent.back();
}

} // namespace korva
