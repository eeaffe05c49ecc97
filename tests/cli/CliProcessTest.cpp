// morvelan-cli as a shell script sees it: its output and exit code, against the virtual printer.
#include "Models.h"
#include "StateFile.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>

namespace morvelan::test {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int code = -1;
    std::string out, err;
};

class CliProcess : public ::testing::Test {
protected:
    CliProcess() {
        fs::create_symlink(fs::path(MORVELAN_LIBRARY_DIR) / "libInterfaceKorva.so",
                           home.file("libInterfaceKorva.so"));
        fs::copy_file(MORVELAN_COMANDOS_XML, home.file("comandos.xml"));
        korva::modifyState(state(), [](korva::PrinterState& s) {
            s = korva::freshPrinter(korva::defaultModel());
        });
    }

    std::string state() const { return data.file("printer.json"); }

    // Runs the program with standard input from /dev/null (no terminal).
    Outcome cli(const std::string& args, const std::string& programHome = "") {
        const std::string command = "KORVA_SIM_STATE='" + state() + "' XDG_DATA_HOME='" +
                                    data.path() + "' " MORVELAN_CLI " --home '" +
                                    (programHome.empty() ? home.path() : programHome) + "' " +
                                    args + " </dev/null 2>'" + data.file("err") + "'";
        Outcome outcome;
        std::FILE* pipe = ::popen(command.c_str(), "r");
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            outcome.out.append(buffer, n);
        }
        const int status = ::pclose(pipe);
        outcome.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::ifstream err(data.file("err"));
        outcome.err.assign(std::istreambuf_iterator<char>(err), {});
        return outcome;
    }

    std::string script(const std::string& text) {
        std::ofstream(home.file("s.SEQ"), std::ios::binary) << text;
        return home.file("s.SEQ");
    }

    TempDir home, data;
};

const std::string kEq(83, '=');
const std::string kStar(83, '*');

TEST_F(CliProcess, StatusPrintsTheFiveTextsAfterTheirLabels) {
    const Outcome o = cli("status");
    EXPECT_EQ(o.code, 0) << o.err;
    EXPECT_EQ(o.out, "Estado da Execução do Comando: ( 0000 ) - Resultado sem erro\n"
                     "Estado dos Parâmetros: Campos sem erro.\n"
                     "Estado da Comunicação: Porta aberta com sucesso.\n"
                     "Estado da Impressora: Impressora Online - \n"
                     "Estado Fiscal da Impressora: Modo manufatura (Não-Fiscalizado) - Modo de "
                     "Intervenção Técnica - Memória Fiscal em operação normal - Período de vendas "
                     "fechado - Documento fechado - \n");
}

TEST_F(CliProcess, SendNamesTheAnswerAndFailsOnARefusal) {
    Outcome o = cli("send '0009|0000'");
    EXPECT_EQ(o.code, 0) << o.err;
    EXPECT_TRUE(o.out.starts_with("Símbolo da moeda : R$\nEstado da Execução do Comando: ( 0000 "
                                  ") - Resultado sem erro\n"))
        << o.out;
    o = cli("send '0105|0000|1234'");
    EXPECT_EQ(o.code, 1);
    EXPECT_TRUE(o.out.starts_with("Estado da Execução do Comando: ( 0004 ) - ")) << o.out;
}

TEST_F(CliProcess, RunWritesTheCommandLogByteForByte) {
    const Outcome o =
        cli("run '" + script("// moeda\r\n#Aviso\r\n0009|0000\r\n0106|0000|1\n") + "'");
    EXPECT_EQ(o.code, 0) << o.err;
    EXPECT_EQ(o.out, kEq +
                         "\r\nComandos Enviados para ( COM1 - QP-R4100 MKIII ): \r\n\r\n"
                         "Comando: 0009|0000\r\n" +
                         kStar + "\r\n* Dados Retornados pela impressora:\r\n" + kStar +
                         "\r\nSímbolo da moeda : R$\r\n" + kStar +
                         "\r\nResposta: ( 0000 ) - Resultado sem erro\r\n\r\n"
                         "Comando: 0106|0000|1\r\nResposta: ( 0000 ) - Resultado sem erro\r\n\r\n" +
                         kEq + "\r\n");
    // The message went to standard error, and nobody was waited for.
    EXPECT_NE(o.err.find("( COM1 - QP-R4100 MKIII )\nAviso\n"), std::string::npos) << o.err;
}

TEST_F(CliProcess, ExitCodesAShellScriptCanTest) {
    struct Case {
        const char* name;
        std::function<std::string()> args;
        int code;
    };
    const Case cases[] = {
        {"rejected command", [&] { return "run '" + script("0002|0009\r\n") + "'"; }, 1},
        {"comments only", [&] { return "run '" + script("//nada\r\n") + "'"; }, 0},
        {"missing script", [&] { return std::string("run '/nao/existe.SEQ'"); }, 2},
        {"script is a directory", [&] { return "run '" + home.path() + "'"; }, 2},
        {"bad usage", [] { return std::string("imprimir"); }, 2},
        {"help", [] { return std::string("--help"); }, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cli(c.args()).code, c.code) << c.name;
    }
    EXPECT_TRUE(cli("--version").out.starts_with("morvelan-cli "));
}

TEST_F(CliProcess, MissingLibraryOrPrinterIsExitThree) {
    TempDir empty;
    Outcome o = cli("status", empty.path());
    EXPECT_EQ(o.code, 3);
    EXPECT_NE(o.err.find("Arquivo InterfaceKorva.dll não encontrado!"), std::string::npos);

    korva::modifyState(state(), [](korva::PrinterState& s) { s.poweredOn = false; });
    for (const std::string& args : {std::string("status"), std::string("send '0001|0000'"),
                                    "run '" + script("0009|0000\r\n") + "'"}) {
        o = cli(args);
        EXPECT_EQ(o.code, 3) << args;
        EXPECT_EQ(o.out, "") << args;
        EXPECT_NE(o.err.find("Nenhuma Impressora Fiscal detectada!"), std::string::npos) << args;
    }
}

TEST_F(CliProcess, LowPaperWithNobodyAtTheTerminalEndsTheRun) {
    korva::modifyState(state(),
                       [](korva::PrinterState& s) { s.mechanics.paper = korva::Paper::Low; });
    const Outcome o = cli("run '" + script("0009|0000\r\n0009|0000\r\n") + "'");
    EXPECT_EQ(o.code, 1);
    EXPECT_EQ(o.out, kEq +
                         "\r\nComandos Enviados para ( COM1 - QP-R4100 MKIII ): \r\n\r\n"
                         "Comando: 0009|0000\r\n" +
                         kEq + "\r\n");
}

TEST_F(CliProcess, BackupThenRestoreOntoAFreshPrinterOnlyWithConfirmation) {
    korva::modifyState(state(), [](korva::PrinterState& s) {
        s.currency = "US$";
        s.payments.push_back({3, "Vale", false});
    });
    const std::string file = data.file("ecf.cmd");
    Outcome o = cli("backup '" + file + "'");
    EXPECT_EQ(o.code, 0) << o.err;
    EXPECT_EQ(fs::file_size(file), 10184u);
    EXPECT_NE(o.out.find("Meios de pagamentos"), std::string::npos) << o.out;

    korva::modifyState(
        state(), [](korva::PrinterState& s) { s = korva::freshPrinter(korva::defaultModel()); });
    // Nobody at a terminal and no --yes: the plan is shown and nothing is sent.
    o = cli("restore '" + file + "'");
    EXPECT_EQ(o.code, 1);
    EXPECT_NE(o.out.find("O meio de pagamento [ 03 - Vale ( Não Vínculado ) ] SERÁ CADASTRADO"),
              std::string::npos)
        << o.out;
    EXPECT_NE(o.err.find("--yes"), std::string::npos);
    EXPECT_EQ(korva::readState(state()).currency, "R$");

    o = cli("--yes restore '" + file + "'");
    EXPECT_EQ(o.code, 0) << o.out << o.err;
    const korva::PrinterState restored = korva::readState(state());
    EXPECT_EQ(restored.currency, "US$");
    ASSERT_EQ(restored.payments.size(), 2u);
    EXPECT_EQ(restored.payments[1].name, "Vale");

    std::ofstream(file, std::ios::binary | std::ios::trunc) << "not a command file";
    o = cli("--yes restore '" + file + "'");
    EXPECT_EQ(o.code, 2);
    EXPECT_EQ(o.out, "");
}

} // namespace
} // namespace morvelan::test
