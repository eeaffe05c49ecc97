#include "core/present/ProgressLogic.h"

#include <gtest/gtest.h>

namespace morvelan {
namespace {

TEST(UiProgressLogic, BarMovesByFiveAndStartsOverPastOneHundred) {
    EXPECT_EQ(nextBarPosition(0), 5);
    EXPECT_EQ(nextBarPosition(95), 100);
    EXPECT_EQ(nextBarPosition(100), 0);
    int position = 0;
    for (int tick = 0; tick < 21; ++tick)
        position = nextBarPosition(position);
    EXPECT_EQ(position, 0); // 20 ticks reach 100, the 21st starts over
}

TEST(UiProgressLogic, UpdateEstimateByPhase) {
    // Halfway through a section of phase 0 (1320 s): 660 s are left, exactly 11 minutes.
    auto estimate = estimateUpdate(1000, 3000, 2000, 0);
    ASSERT_TRUE(estimate);
    EXPECT_EQ(estimate->percentage, 50);
    EXPECT_EQ(estimate->percentageText, "50%");
    EXPECT_EQ(estimate->remainingText, "11 minutos.");

    // 10% of phase 18 (960 s): 864 s = 14 min 24 s.
    estimate = estimateUpdate(100, 1100, 200, 18);
    ASSERT_TRUE(estimate);
    EXPECT_EQ(estimate->percentageText, "10%");
    EXPECT_EQ(estimate->remainingText, "14 minutos e 24 segundos.");

    // 96% of phase 20 (720 s): 720 - 691 = 29 s.
    estimate = estimateUpdate(1, 101, 97, 20);
    ASSERT_TRUE(estimate);
    EXPECT_EQ(estimate->percentageText, "96%");
    EXPECT_EQ(estimate->remainingText, "29 segundos.");

    // 5% in phase 9 (1260 s): 1197 s = 19 min 57 s; "%02d" pads the percentage.
    estimate = estimateUpdate(1, 101, 6, 9);
    ASSERT_TRUE(estimate);
    EXPECT_EQ(estimate->percentageText, "05%");
    EXPECT_EQ(estimate->remainingText, "19 minutos e 57 segundos.");

    EXPECT_EQ(estimateUpdate(1, 101, 101, 12)->remainingText, "Finalizando Processo Interno...");
    EXPECT_EQ(estimateUpdate(1, 101, 50, 22)->remainingText, "Finalizando Processo Interno...");
}

TEST(UiProgressLogic, UpdateEstimateWaitsForARealSection) {
    EXPECT_FALSE(estimateUpdate(0, 100, 50, 0));
    EXPECT_FALSE(estimateUpdate(10, 0, 50, 0));
    EXPECT_FALSE(estimateUpdate(10, 100, 0, 0));
    // An empty or reversed section would divide by zero.
    EXPECT_FALSE(estimateUpdate(100, 100, 100, 0));
    EXPECT_FALSE(estimateUpdate(200, 100, 150, 0));
    // Offsets of a large file do not overflow the percentage.
    const auto estimate = estimateUpdate(1, 40'000'001, 30'000'001, 0);
    ASSERT_TRUE(estimate);
    EXPECT_EQ(estimate->percentage, 75);
}

TEST(UiProgressLogic, RemainingTimeForms) {
    EXPECT_EQ(remainingTimeText(60), "60 segundos.");
    EXPECT_EQ(remainingTimeText(5), "05 segundos.");
    EXPECT_EQ(remainingTimeText(61), "01 minutos e 01 segundos.");
    EXPECT_EQ(remainingTimeText(120), "02 minutos.");
    EXPECT_EQ(remainingTimeText(0), "Finalizando Processo Interno...");
    EXPECT_EQ(remainingTimeText(-3), "Finalizando Processo Interno...");
}

TEST(UiProgressLogic, ChronometerShowsMinutesSecondsAndHundredths) {
    EXPECT_EQ(chronometerText(0), "00:00:00");
    EXPECT_EQ(chronometerText(61'250), "01:01:25");
    EXPECT_EQ(chronometerText(59'750), "00:59:75");
    // Minutes wrap at the hour.
    EXPECT_EQ(chronometerText(3'600'000 + 2'500), "00:02:50");
}

} // namespace
} // namespace morvelan
