#include "core/engine/FunctionNames.h"

#include <gtest/gtest.h>

namespace morvelan {
namespace {

TEST(EngineFunctionNames, LooksUpGroupsAndItemsByCode) {
    EXPECT_EQ(groupName(6), "Configuração");
    EXPECT_EQ(itemName(6, 7), "Meios de pagamentos");
    EXPECT_EQ(itemName(6, 18), "Arredonda/Trunca/Fabricação Própria (MKIII)");
    EXPECT_EQ(groupName(2), "Seqüência de Lacração");
    EXPECT_EQ(itemName(7, 16), "Log de Eventos");
    EXPECT_EQ(itemName(10, 3), "Salvar Como");
}

TEST(EngineFunctionNames, UnusedNumbersHaveNoName) {
    EXPECT_EQ(groupName(4), "");
    EXPECT_EQ(groupName(0), "");
    EXPECT_EQ(groupName(11), "");
    EXPECT_EQ(itemName(2, 2), "");
    EXPECT_EQ(itemName(6, 14), "");
    EXPECT_EQ(itemName(6, 19), "");
}

TEST(EngineFunctionNames, TreeShowsNineGroupsAndTheirItems) {
    const auto groups = functionGroups();
    ASSERT_EQ(groups.size(), 9U);
    std::size_t items = 0;
    for (const FunctionGroup& group : groups) {
        items += group.items.size();
        for (const FunctionItem& item : group.items) {
            EXPECT_EQ(itemName(group.number, item.number), item.name);
        }
    }
    EXPECT_EQ(items, 1U + 1 + 3 + 1 + 17 + 18 + 5 + 2 + 3);
}

} // namespace
} // namespace morvelan
