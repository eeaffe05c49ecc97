// morvelan-cli history over what the other commands recorded, run as a shell script runs it.
#include "Models.h"
#include "StateFile.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>

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

TEST_F(CliHistory, SendAndScriptRunsAreListedAndExported) {
    std::ofstream(home.file("s.SEQ"), std::ios::binary) << "0001|0000\r\n";
    ASSERT_EQ(cli("send '0001|0000'").code, 0);
    ASSERT_EQ(cli("run '" + home.file("s.SEQ") + "'").code, 0);

    const CliRun listed = cli("history --since 2000-01-01");
    EXPECT_EQ(listed.code, 0);
    const auto script = listed.out.find("Execução de script  ( 0000 ) - Resultado sem erro\n");
    const auto raw = listed.out.find("Comando avulso  ( 0000 ) - Resultado sem erro\n");
    EXPECT_NE(script, std::string::npos) << listed.out;
    EXPECT_NE(raw, std::string::npos) << listed.out;
    EXPECT_LT(script, raw); // newest first

    const CliRun csv = cli("history --csv");
    EXPECT_EQ(csv.code, 0);
    EXPECT_TRUE(csv.out.starts_with("\xEF\xBB\xBFInício;Término;")) << csv.out;
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 3);

    EXPECT_EQ(cli("history --since 2999-01-01").out, "");
    EXPECT_EQ(cli("history --serial NENHUM --csv").out.find("Comando avulso"), std::string::npos);
}

TEST_F(CliHistory, OptionsAreTakenAsTheOtherCommandsTakeThemAndBadOnesRefused) {
    EXPECT_EQ(cli("history --home=" + home.path()).code, 0);
    EXPECT_EQ(cli("history --since 09/12/2026").code, 2);
    EXPECT_EQ(cli("history --colour").code, 2);
    EXPECT_EQ(cli("history --home=").code, 2);
}

} // namespace
} // namespace morvelan::test
