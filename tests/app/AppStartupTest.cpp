#include "SealingSequence.h"
#include "StartupEnvironment.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace morvelan {
namespace {

TEST(AppStartup, DisplayIsFoundFromTheEnvironment) {
    EXPECT_FALSE(hasDisplay(nullptr, nullptr, nullptr));
    EXPECT_FALSE(hasDisplay("", "", nullptr));
    EXPECT_TRUE(hasDisplay(":0", nullptr, nullptr));
    EXPECT_TRUE(hasDisplay(nullptr, "wayland-0", nullptr));
    EXPECT_TRUE(hasDisplay(nullptr, nullptr, "offscreen"));
}

TEST(AppStartup, ProgramDirectoryCanBeOverridden) {
    EXPECT_EQ(programDirectory(nullptr, "/opt/morvelan/bin"), "/opt/morvelan/bin");
    EXPECT_EQ(programDirectory("", "/opt/morvelan/bin"), "/opt/morvelan/bin");
    EXPECT_EQ(programDirectory("/srv/kit", "/opt/morvelan/bin"), "/srv/kit");
    const auto relative = programDirectory("kit/./bin", "/opt/morvelan/bin");
    EXPECT_EQ(relative, (std::filesystem::current_path() / "kit/bin").string());
}

TEST(AppStartup, WithoutAScreenTheProgramSaysSoAndStops) {
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" +
                                std::string(MORVELAN_EXE) + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    std::array<char, 512> buffer{};
    while (fgets(buffer.data(), static_cast<int>(buffer.size()), pipe) != nullptr)
        output += buffer.data();
    const int status = pclose(pipe);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(output, std::string(kNoDisplayMessage) + "\n");
}

TEST(AppSealingSequence, StepsWalkThroughTheSetUpForms) {
    auto move = advanceSealingStep(99, kSealingStart);
    EXPECT_EQ(move.step, 0);
    EXPECT_EQ(std::pair(move.group, move.item), std::pair(6, 5));
    EXPECT_FALSE(move.endsSequence);

    const std::array<int, 7> items = {5, 13, 2, 9, 10, 8, 7};
    for (int step = 0; step < 6; ++step) {
        move = advanceSealingStep(step, kSealingNext);
        EXPECT_EQ(move.step, step + 1);
        EXPECT_EQ(move.item, items[static_cast<std::size_t>(step + 1)]);
    }
    move = advanceSealingStep(1, kSealingPrevious);
    EXPECT_EQ(std::pair(move.step, move.item), std::pair(0, 5));
    move = advanceSealingStep(4, kSealingRepeat);
    EXPECT_EQ(std::pair(move.step, move.item), std::pair(4, 10));
}

TEST(AppSealingSequence, EveryWayOutGivesTheTreeBack) {
    auto move = advanceSealingStep(6, kSealingNext);
    EXPECT_TRUE(move.finished);
    EXPECT_TRUE(move.endsSequence);
    EXPECT_EQ(move.step, 99);
    EXPECT_EQ(std::pair(move.group, move.item), std::pair(0, 0));

    for (const auto& [step, command] : {std::pair(0, -1), std::pair(3, 7), std::pair(99, 2)}) {
        move = advanceSealingStep(step, command);
        EXPECT_TRUE(move.endsSequence) << step << " " << command;
        EXPECT_FALSE(move.finished);
        EXPECT_EQ(move.step, 99);
    }
}

} // namespace
} // namespace morvelan
