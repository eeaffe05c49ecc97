#include "core/scripts/executor/NextDay.h"

#include <gtest/gtest.h>

namespace morvelan {
namespace {

TEST(NextDay, CrossesMonthYearAndLeapYearEnds) {
    const std::pair<const char*, const char*> cases[] = {
        {"15062026083000", "16062026"}, {"30042026235959", "01052026"},
        {"31122025101112", "01012026"}, {"28022024120000", "29022024"},
        {"29022024120000", "01032024"}, {"28022025120000", "01032025"},
        {"28021900120000", "01031900"}, {"28022000120000", "29022000"},
    };
    for (const auto& [clock, date] : cases) {
        const auto next = nextDayClock(clock);
        ASSERT_TRUE(next.has_value()) << clock;
        EXPECT_EQ(next->date, date) << clock;
        EXPECT_EQ(next->time, std::string(clock).substr(8)) << clock;
    }
}

TEST(NextDay, RefusesWhatIsNoDate) {
    for (const char* clock :
         {"", "3112202510111", "32122025101112", "29022025120000", "01132025101112",
          "0101202524000", "01012025246000", "0a012025101112", "31129999101112"}) {
        EXPECT_FALSE(nextDayClock(clock).has_value()) << clock;
    }
}

} // namespace
} // namespace morvelan
