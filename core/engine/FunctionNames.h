// The function name table: the tree's groups and items, addressed by operation code. The tree,
// the response panel's title and the tests share it. Texts are UTF-8.
#pragma once

#include <span>
#include <string_view>

namespace morvelan {

struct FunctionItem {
    int number;
    std::string_view name;
};

struct FunctionGroup {
    int number;
    std::string_view name;
    std::span<const FunctionItem> items;
};

// The groups in tree order; group 4 does not exist and some item numbers are skipped, so items
// keep their own numbers.
std::span<const FunctionGroup> functionGroups();

// Name of group `type`; empty when there is no such group.
std::string_view groupName(int type);

// Name of item `step` of group `type`; empty when there is no such item.
std::string_view itemName(int type, int step);

} // namespace morvelan
