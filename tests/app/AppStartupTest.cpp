#include "core/base/StartupEnvironment.h"
#include "core/present/SealingSequence.h"
#include "gui/app/SingleInstance.h"

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace morvelan {
namespace {

TEST(AppStartup, DisplayIsFoundFromTheEnvironment) {
    EXPECT_FALSE(hasDisplay(nullptr, nullptr, nullptr));
    EXPECT_FALSE(hasDisplay("", "", nullptr));
    EXPECT_TRUE(hasDisplay(":0", nullptr, nullptr));
    EXPECT_TRUE(hasDisplay(nullptr, "wayland-0", nullptr));
    EXPECT_TRUE(hasDisplay(nullptr, nullptr, "offscreen"));
}

TEST(AppStartup, ProgramFilesAreWhereTheCopyKeepsThem) {
    const std::string prefix = "/opt/m/";
    const std::string bin = prefix + MORVELAN_INSTALL_BIN_DIR;
    const std::string library = prefix + MORVELAN_INSTALL_LIBRARY_DIR;
    const std::string seed = prefix + MORVELAN_INSTALL_DATA_DIR;
    const auto cwd = std::filesystem::current_path().string();
    struct Case {
        const char* name;
        StartupPlaces places;
        ProgramFiles expected;
    };
    const Case cases[] = {
        {"home wins over an installed copy",
         {"/srv/kit/", "/x", "/home/t", bin, false},
         {"/srv/kit", "/srv/kit", ""}},
        {"a relative home is made absolute",
         {"kit/./bin", nullptr, "/home/t", "/build/bin", true},
         {cwd + "/kit/bin", cwd + "/kit/bin", ""}},
        {"a build tree keeps everything beside the executable",
         {"", "/x", "/home/t", "/build/bin", true},
         {"/build/bin", "/build/bin", ""}},
        {"an installed copy writes to the user's data directory",
         {nullptr, "/x/data/", "/home/t", bin, false},
         {library, "/x/data/Morvelan", seed}},
        {"a relative XDG_DATA_HOME is ignored",
         {nullptr, "data", "/home/t", bin, false},
         {library, "/home/t/.local/share/Morvelan", seed}},
        {"without any home the executable's directory is left",
         {nullptr, nullptr, nullptr, bin, false},
         {library, bin, seed}},
    };
    for (const auto& test : cases) {
        const auto files = locateProgramFiles(test.places);
        EXPECT_EQ(files.libraryDirectory, test.expected.libraryDirectory) << test.name;
        EXPECT_EQ(files.dataDirectory, test.expected.dataDirectory) << test.name;
        EXPECT_EQ(files.seedDirectory, test.expected.seedDirectory) << test.name;
    }
}

TEST(AppStartup, SeedingCopiesOnlyWhatTheUserLacks) {
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / ("morvelan-seed-" + std::to_string(getpid()));
    fs::remove_all(root);
    const auto write = [](const fs::path& path, const std::string& text) {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
    };
    write(root / "share/comandos.xml", "instalado");
    write(root / "share/kvkhist.khf", std::string(2002, '\0'));
    write(root / "share/help/index.html", "ajuda");
    write(root / "user/Morvelan/comandos.xml", "do técnico");
    const ProgramFiles files{"/lib", (root / "user/Morvelan").string(), (root / "share").string()};

    ASSERT_TRUE(seedProgramFiles(files));
    const auto read = [](const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_EQ(read(root / "user/Morvelan/comandos.xml"), "do técnico");
    EXPECT_EQ(read(root / "user/Morvelan/kvkhist.khf"), std::string(2002, '\0'));
    EXPECT_FALSE(fs::exists(root / "user/Morvelan/help"));

    // A data directory that cannot be made is reported, not taken for seeded.
    write(root / "file", "");
    EXPECT_FALSE(
        seedProgramFiles({"/lib", (root / "file/Morvelan").string(), (root / "share").string()}));
    fs::remove_all(root);
}

TEST(AppStartup, WithoutAScreenOnlyHelpAndVersionAnswer) {
    const struct {
        const char* arguments;
        int exitCode;
        std::string output;
    } cases[] = {
        {"", 1, std::string(kNoDisplayMessage) + "\n"},
        {"--version", 0, "morvelan " MORVELAN_VERSION "\n"},
        {"--help", 0, kProgramUsage},
        {"-platform offscreen --help", 0, kProgramUsage},
    };
    for (const auto& c : cases) {
        const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" +
                                    std::string(MORVELAN_EXE) + "' " + c.arguments + " 2>&1";
        FILE* pipe = popen(command.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::string output;
        std::array<char, 512> buffer{};
        while (fgets(buffer.data(), static_cast<int>(buffer.size()), pipe) != nullptr)
            output += buffer.data();
        const int status = pclose(pipe);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == c.exitCode) << c.arguments;
        EXPECT_EQ(output, c.output) << c.arguments;
    }
}

TEST(AppStartup, TerminationEndsTheProgramAsSairDoesLeavingNothingBehind) {
    namespace fs = std::filesystem;
    const fs::path home = fs::temp_directory_path() / ("morvelan-term-" + std::to_string(getpid()));
    fs::create_directories(home);
    const fs::path journal = home / "historico.db-wal";
    const fs::path socket =
        fs::temp_directory_path() / instanceName(getuid(), home.string()).toStdString();
    const pid_t program = fork();
    ASSERT_GE(program, 0);
    if (program == 0) {
        setenv("MORVELAN_HOME", home.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        execl(MORVELAN_EXE, MORVELAN_EXE, static_cast<char*>(nullptr));
        _exit(127);
    }
    for (int waited = 0; waited < 200 && !(fs::exists(journal) && fs::exists(socket)); ++waited)
        usleep(50'000);
    EXPECT_TRUE(fs::exists(journal));
    EXPECT_TRUE(fs::exists(socket));

    kill(program, SIGTERM);
    int status = 0;
    ASSERT_EQ(waitpid(program, &status, 0), program);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_TRUE(fs::exists(home / "historico.db"));
    EXPECT_FALSE(fs::exists(journal));
    EXPECT_FALSE(fs::exists(home / "historico.db-shm"));
    EXPECT_FALSE(fs::exists(socket));
    EXPECT_FALSE(fs::exists(socket.string() + ".lock"));
    fs::remove_all(home);
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

TEST(AppSealingSequence, TheEndSaysWhichStepsAreStillToDo) {
    using enum StepOutcome;
    constexpr SequenceOutcomes allGood = {Succeeded, Succeeded, Succeeded, Succeeded,
                                          Succeeded, Succeeded, Succeeded};
    constexpr SequenceOutcomes userNeverConfirmed = {Succeeded, NotRun,    Succeeded, Succeeded,
                                                     Succeeded, Succeeded, Failed};
    const std::string keys =
        "\n\nGere e habilite as chaves de assinatura (grupo 03) antes da primeira Leitura X.";
    const struct {
        SequenceOutcomes outcomes;
        bool thirdGeneration;
        std::string message;
        std::string outcome;
    } cases[] = {
        {allGood, false, "Lacração Finalizada.", "Lacração Finalizada."},
        {allGood, true, "Lacração Finalizada." + keys, "Lacração Finalizada."},
        {userNeverConfirmed, true,
         "Lacração finalizada com pendências:\n\n2. Configurar Dados Contribuinte - não "
         "concluído.\n7. Configurar Meios de Pagamentos - falhou.",
         "Lacração finalizada com pendências: Configurar Dados Contribuinte, Configurar Meios de "
         "Pagamentos"},
    };
    for (const auto& c : cases) {
        const auto end = sealingEnd(c.outcomes, c.thirdGeneration);
        EXPECT_EQ(end.message, c.message);
        EXPECT_EQ(end.outcome, c.outcome);
        EXPECT_EQ(end.complete, c.outcomes == allGood);
    }
}

} // namespace
} // namespace morvelan
