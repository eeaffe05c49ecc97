#include "CliOptions.h"
#include "CliPrompts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <thread>

namespace morvelan::cli {
namespace {

TEST(CliOptions, CommandsOptionsAndUsageErrors) {
    struct Case {
        std::vector<std::string> args;
        bool ok;
        Command command;
        std::string argument, home;
        bool yes;
    };
    const Case cases[] = {
        {{"status"}, true, Command::Status, "", "", false},
        {{"--home", "/opt/m", "send", "0001|0000"},
         true,
         Command::Send,
         "0001|0000",
         "/opt/m",
         false},
        {{"run", "a.SEQ", "--yes", "--home=/h"}, true, Command::Run, "a.SEQ", "/h", true},
        {{"-y", "--", "run", "-x.SEQ"}, true, Command::Run, "-x.SEQ", "", true},
        {{"check", "a.SEQ"}, true, Command::Check, "a.SEQ", "", false},
        {{"check"}, false, Command::None, "", "", false},
        {{"run", "--help"}, true, Command::Help, "", "", false},
        {{"seal", "p.cmd", "--clock-from-pc"}, true, Command::Seal, "p.cmd", "", false},
        {{"seal"}, false, Command::None, "", "", false},
        {{"apply", "a.cmd", "--only", "6.2,06.09"}, true, Command::Apply, "a.cmd", "", false},
        {{"apply", "a.cmd", "--only", "6.2,,6.9"}, false, Command::None, "", "", false},
        {{"apply", "a.cmd", "--only"}, false, Command::None, "", "", false},
        {{"--clock-from-pc", "restore", "p.cmd"}, false, Command::None, "", "", false},
        {{"run", "a.SEQ", "--step", "--stop-on-error"}, true, Command::Run, "a.SEQ", "", false},
        {{"send", "0001|0000", "--stop-on-error"}, false, Command::None, "", "", false},
        {{"--step", "status"}, false, Command::None, "", "", false},
        {{}, false, Command::None, "", "", false},
        {{"status", "x"}, false, Command::None, "", "", false},
        {{"send"}, false, Command::None, "", "", false},
        {{"run", ""}, false, Command::None, "", "", false},
        {{"print"}, false, Command::None, "", "", false},
        {{"--home"}, false, Command::None, "", "", false},
        {{"--bogus", "status"}, false, Command::None, "", "", false},
    };
    for (const Case& c : cases) {
        std::string error;
        const auto options = parseOptions(c.args, error);
        ASSERT_EQ(options.has_value(), c.ok) << testing::PrintToString(c.args);
        if (!c.ok) {
            EXPECT_FALSE(error.empty());
            continue;
        }
        EXPECT_EQ(options->command, c.command);
        EXPECT_EQ(options->argument, c.argument);
        EXPECT_EQ(options->home.value_or(""), c.home);
        EXPECT_EQ(options->yes, c.yes);
        EXPECT_EQ(options->clockFromPc, c.args.size() == 3 && c.args[2] == "--clock-from-pc");
        const auto given = [&](const char* flag) {
            return std::find(c.args.begin(), c.args.end(), flag) != c.args.end();
        };
        EXPECT_EQ(options->step, given("--step"));
        EXPECT_EQ(options->stopOnError, given("--stop-on-error"));
    }
}

TEST(CliPrompts, ElapsedTimeAsTheChronometerShowsIt) {
    EXPECT_EQ(elapsedText(0), "00:00:00");
    EXPECT_EQ(elapsedText(61250), "01:01:25");
    EXPECT_EQ(elapsedText(3600000 + 59990), "00:59:99");
}

TEST(CliPrompts, OnlyTheScriptsMessagesWaitForEnter) {
    char input[] = "\n\n";
    std::FILE* in = fmemopen(input, 2, "r");
    std::FILE* err = std::tmpfile();
    CliPrompts prompts(err, in, true);
    prompts.message("Alerta Morvelan", "Nenhuma Impressora Fiscal detectada!\n", PromptIcon::Error);
    EXPECT_EQ(std::ftell(in), 0); // the program's own message did not wait
    std::thread([&] { prompts.message("Alerta Morvelan", "( COM1 - X )\nOi", {}); }).join();
    EXPECT_EQ(std::ftell(in), 1);
    std::thread([&] { prompts.chronometer("( COM1 - X )\nTempo"); }).join();
    EXPECT_EQ(std::ftell(in), 2);
    std::rewind(err);
    char text[512] = {};
    text[std::fread(text, 1, sizeof text - 1, err)] = '\0';
    const std::string shown = text;
    EXPECT_NE(shown.find("Alerta Morvelan: ( COM1 - X )\nOi\n[Enter para continuar]\n"),
              std::string::npos)
        << shown;
    EXPECT_NE(shown.find("Tempo\n[Enter para continuar]\n00:00:"), std::string::npos) << shown;
    std::fclose(in);
    std::fclose(err);
}

// Enter sends, "n" skips, "q" stops; a slip is asked again, and the input's end stops too.
TEST(CliPrompts, StepAnswers) {
    char input[] = "\nn\nx\nq\n";
    std::FILE* in = fmemopen(input, sizeof input - 1, "r");
    std::FILE* err = std::tmpfile();
    CliPrompts prompts(err, in, true);
    std::vector<StepAnswer> answers;
    for (int i = 0; i < 4; ++i) {
        answers.push_back(prompts.askStep("0009|0000"));
    }
    EXPECT_EQ(answers, (std::vector{StepAnswer::Send, StepAnswer::Skip, StepAnswer::Stop,
                                    StepAnswer::Stop}));
    std::rewind(err);
    char text[512] = {};
    text[std::fread(text, 1, sizeof text - 1, err)] = '\0';
    const std::string question = "Próximo comando: 0009|0000 [Enter envia, n pula, q para] ";
    EXPECT_EQ(text, question + question + question + question + question + "\n");
    std::fclose(in);
    std::fclose(err);
}

} // namespace
} // namespace morvelan::cli
