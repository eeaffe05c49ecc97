// morvelan-cli history over what the other commands recorded, run as a shell script runs it.
#include "Models.h"
#include "StateFile.h"
#include "TempDir.h"
#include "core/base/Utf8Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <utility>

namespace morvelan::test {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int code = -1;
    std::string out;
};

class CliHistory : public ::testing::Test {
protected:
    CliHistory() {
        fs::create_symlink(fs::path(MORVELAN_LIBRARY_DIR) / "libInterfaceKorva.so",
                           home.file("libInterfaceKorva.so"));
        fs::copy_file(MORVELAN_COMANDOS_XML, home.file("comandos.xml"));
        korva::modifyState(data.file("printer.json"), [](korva::PrinterState& s) {
            s = korva::freshPrinter(korva::defaultModel());
        });
    }
    CliRun cli(const std::string& args) {
        const std::string command = "KORVA_SIM_STATE='" + data.file("printer.json") +
                                    "' XDG_DATA_HOME='" + data.path() + "' " MORVELAN_CLI " " +
                                    args + " --home '" + home.path() + "' </dev/null 2>/dev/null";
        CliRun run;
        std::FILE* pipe = ::popen(command.c_str(), "r");
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            run.out.append(buffer, n);
        const int status = ::pclose(pipe);
        run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return run;
    }
    TempDir home, data;
};

TEST_F(CliHistory, SendAndScriptRunsAreListedAndExportedWithWhatRan) {
    // A file name that is not UTF-8, as a copy from an old system leaves it.
    const std::string script = home.file("loja\xE9.SEQ");
    std::ofstream(script, std::ios::binary) << "0001|0000\r\n";
    ASSERT_EQ(cli("send '0001|0000'").code, 0);
    ASSERT_EQ(cli("run '" + script + "'").code, 0);

    const CliRun listed = cli("history --since 2000-01-01");
    EXPECT_EQ(listed.code, 0);
    const auto run =
        listed.out.find("Execução de script: loja\\xE9.SEQ  ( 0000 ) - Resultado sem erro\n");
    const auto raw = listed.out.find("Comando avulso: 0001|0000  ( 0000 ) - Resultado sem erro\n");
    EXPECT_NE(run, std::string::npos) << listed.out;
    EXPECT_NE(raw, std::string::npos) << listed.out;
    EXPECT_LT(run, raw); // newest first

    const CliRun csv = cli("history --csv");
    EXPECT_EQ(csv.code, 0);
    EXPECT_TRUE(csv.out.starts_with("\xEF\xBB\xBFInício;Término;")) << csv.out;
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 3);
    EXPECT_EQ(validUtf8(csv.out), csv.out);
    EXPECT_NE(csv.out.find(";0001|0000;Comando avulso: 0001|0000;"), std::string::npos) << csv.out;

    EXPECT_EQ(cli("history --since 2999-01-01").out, "");
    EXPECT_EQ(cli("history --serial NENHUM --csv").out.find("Comando avulso"), std::string::npos);
}

TEST_F(CliHistory, OptionsAreTakenAsTheOtherCommandsTakeThemAndBadOnesRefused) {
    const std::pair<const char*, int> cases[] = {
        {"--since 2024-02-29", 0},
        {"--since 09/12/2026", 2},
        {"--since 2026-13-45", 2},
        {"--since 2026-02-30", 2},
        {"--since 2025-02-29", 2},
        {"--colour", 2},
        {"--home=", 2},
        {"--prune", 2},
        {"--before 2026-01-01", 2},
        {"--prune --before 2026-04-31", 2},
        {"--prune --before 2026-01-01 --csv", 2},
    };
    for (const auto& [args, code] : cases)
        EXPECT_EQ(cli("history " + std::string(args)).code, code) << args;
    EXPECT_EQ(cli("history --home=" + home.path()).code, 0);
}

TEST_F(CliHistory, PruneRemovesOnlyWhatTheTechnicianConfirmed) {
    ASSERT_EQ(cli("send '0001|0000'").code, 0);
    const std::string listed = cli("history").out;
    ASSERT_FALSE(listed.empty());

    EXPECT_EQ(cli("history --prune --before 2000-01-01 --yes").code, 0);
    const CliRun unconfirmed = cli("history --prune --before 2999-01-01");
    EXPECT_EQ(unconfirmed.code, 1);
    EXPECT_NE(unconfirmed.out.find("Apagar do histórico 1 operação e 0 intervenções"),
              std::string::npos)
        << unconfirmed.out;
    EXPECT_EQ(cli("history").out, listed);

    const CliRun pruned = cli("--yes history --prune --before 2999-01-01");
    EXPECT_EQ(pruned.code, 0);
    EXPECT_NE(pruned.out.find("Apagados 1 operação e 0 intervenções"), std::string::npos)
        << pruned.out;
    EXPECT_EQ(cli("history").out, "");
}

} // namespace
} // namespace morvelan::test
