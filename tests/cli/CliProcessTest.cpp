// morvelan-cli as a shell script sees it: its output and exit code, against the virtual printer.
#include "Models.h"
#include "StateFile.h"
#include "TempDir.h"
#include "core/base/CommandFileLayout.h"
#include "core/engine/FunctionCatalogue.h"
#include "core/features/settings/ClockSetting.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <pty.h>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

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

    // The program with a terminal for its standard input, as a technician runs it, ended by
    // `signal` once its standard error shows `waitingFor`.
    Outcome signalledAtTerminal(const std::string& args, const std::string& waitingFor,
                                int signal) {
        const std::string command = "exec env KORVA_SIM_STATE='" + state() + "' XDG_DATA_HOME='" +
                                    data.path() + "' " MORVELAN_CLI " --home '" + home.path() +
                                    "' " + args + " >'" + data.file("out") + "' 2>'" +
                                    data.file("err") + "'";
        fs::remove(data.file("err"));
        int terminal = -1;
        const pid_t pid = ::forkpty(&terminal, nullptr, nullptr, nullptr);
        if (pid == 0) {
            ::execl("/bin/sh", "sh", "-c", command.c_str(), nullptr);
            ::_exit(127);
        }
        const auto contents = [](const std::string& path) {
            std::ifstream in(path, std::ios::binary);
            return std::string(std::istreambuf_iterator<char>(in), {});
        };
        const auto pause = [] { std::this_thread::sleep_for(std::chrono::milliseconds(10)); };
        for (int i = 0;
             i < 3000 && contents(data.file("err")).find(waitingFor) == std::string::npos; ++i) {
            pause();
        }
        ::kill(pid, signal);
        int status = 0;
        pid_t ended = 0;
        for (int i = 0; i < 3000 && (ended = ::waitpid(pid, &status, WNOHANG)) == 0; ++i) {
            pause();
        }
        if (ended == 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
        }
        ::close(terminal);
        return {ended != 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                contents(data.file("out")), contents(data.file("err"))};
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
    // The library keeps its daily log where the window's does, in a directory made for it.
    const std::filesystem::path log =
        std::filesystem::path(data.path()) / "Korva/InterfaceKorva/DataFiles/Log/00";
    ASSERT_TRUE(std::filesystem::is_directory(log));
    EXPECT_FALSE(std::filesystem::is_empty(log));
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

    // A character the printer's code page lacks would be stored as "?": nothing is sent.
    const std::string before = korva::readState(state()).operatorName;
    o = cli("send '0107|0000|JOSÉ 😀'");
    EXPECT_EQ(o.code, 2);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err,
              "morvelan-cli: Comando [ 0107|0000|JOSÉ 😀 ] não enviado: o caractere \"😀\" "
              "(U+1F600) não existe no Windows-1252, o código de caracteres da impressora.\n");
    EXPECT_EQ(korva::readState(state()).operatorName, before);
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
        {"script is a FIFO nobody writes to",
         [&] {
             ::mkfifo(data.file("fifo").c_str(), 0600);
             return "run '" + data.file("fifo") + "'";
         },
         2},
        {"script is the zero device", [] { return std::string("run /dev/zero"); }, 2},
        {"restore from a directory", [&] { return "--yes restore '" + home.path() + "'"; }, 2},
        {"restore from the zero device", [] { return std::string("--yes restore /dev/zero"); }, 2},
        {"a dictionary that is a FIFO",
         [&] {
             fs::remove(home.file("comandos.xml"));
             ::mkfifo(home.file("comandos.xml").c_str(), 0600);
             return std::string("send '0009|0000'");
         },
         2},
        {"stepping without a terminal to answer",
         [&] { return "run --step '" + script("0009|0000\r\n") + "'"; }, 2},
        {"bad usage", [] { return std::string("imprimir"); }, 2},
        {"help", [] { return std::string("--help"); }, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cli(c.args()).code, c.code) << c.name;
    }
    EXPECT_TRUE(cli("--version").out.starts_with("morvelan-cli "));
    EXPECT_NE(cli("--help").out.find("history --prune --before"), std::string::npos);
    // A slip gets its reason and a pointer to the help; only a bare call gets the whole help.
    EXPECT_EQ(cli("imprimir").err, "morvelan-cli: comando desconhecido: imprimir\n"
                                   "\"morvelan-cli --help\" mostra os comandos e as opções.\n");
    EXPECT_NE(cli("").err.find("Comandos:"), std::string::npos);
}

TEST_F(CliProcess, CheckNamesEachFindingAndExitsAsTheOtherCommands) {
    const Outcome clean = cli("check '" + script("//ok\r\n0001|0000\r\n") + "'");
    EXPECT_EQ(clean.code, 0);
    EXPECT_EQ(clean.out, "Nenhum problema encontrado no script.\n");

    const Outcome found = cli("check '" + script("0001|0000\r\n\r\nZZZZ|0000\r\n") + "'");
    EXPECT_EQ(found.code, 1);
    EXPECT_EQ(found.out, "Linha 3: ZZZZ|0000\n    O comando \"ZZZZ\" não existe no dicionário de "
                         "comandos.\n1 problema encontrado no script.\n");

    EXPECT_EQ(cli("check /nao/existe.SEQ").code, 2);
    fs::remove(home.file("comandos.xml"));
    const Outcome noDictionary = cli("check '" + script("0001|0000\r\n") + "'");
    EXPECT_EQ(noDictionary.code, 2);
    EXPECT_NE(noDictionary.err.find("comandos.xml"), std::string::npos) << noDictionary.err;
}

TEST_F(CliProcess, MissingLibraryOrPrinterIsExitThree) {
    TempDir empty;
    Outcome o = cli("status", empty.path());
    EXPECT_EQ(o.code, 3);
    EXPECT_NE(o.err.find("Arquivo InterfaceKorva.dll não encontrado!"), std::string::npos);

    korva::modifyState(state(), [](korva::PrinterState& s) { s.poweredOn = false; });
    for (const std::string& args :
         {std::string("status"), std::string("send '0001|0000'"), std::string("read 7.5"),
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
    const Outcome o = cli("--yes run '" + script("0009|0000\r\n0009|0000\r\n") + "'");
    EXPECT_EQ(o.code, 1);
    // The reason, the printer's status, ends the log and goes to standard error.
    const std::string reason =
        "Execução interrompida, comando não enviado: Impressora Online - Pouco papel - ";
    EXPECT_EQ(o.out, kEq +
                         "\r\nComandos Enviados para ( COM1 - QP-R4100 MKIII ): \r\n\r\n"
                         "Comando: 0009|0000\r\nResposta: " +
                         reason + "\r\n\r\n" + kEq + "\r\n");
    EXPECT_EQ(o.err, "morvelan-cli: " + reason + "\n");
}

TEST_F(CliProcess, StopOnErrorSendsNothingAfterTheFirstFailure) {
    const std::string sim = "KORVA_SIM_STATE='" + state() + "' " MORVELAN_LIBRARY_DIR "/korva-sim ";
    ASSERT_EQ(std::system((sim + "fail 0104 1").c_str()), 0);
    const Outcome o = cli("run --stop-on-error '" +
                          script("0009|0000\r\n\r\n0104|0000|US$\r\n0106|0000|1\r\n") + "'");
    EXPECT_EQ(o.code, 1);
    const std::string response = "( 0006 ) - Falha temporária de comunicação. Tente novamente.";
    const std::string reason = "Execução interrompida no primeiro erro: linha 3, comando [ "
                               "0104|0000|US$ ], resposta " +
                               response;
    EXPECT_TRUE(o.out.ends_with("Comando: 0104|0000|US$\r\nResposta: " + response + "\r\n\r\n" +
                                reason + "\r\n\r\n" + kEq + "\r\n"))
        << o.out;
    EXPECT_EQ(o.err, "morvelan-cli: " + reason + "\n");
    // The printer's own record of what crossed the line: the failing command, nothing after it.
    std::string exchanges;
    for (const auto& file :
         fs::directory_iterator(fs::path(data.path()) / "Korva/InterfaceKorva/DataFiles/Log/00")) {
        std::ifstream in(file.path(), std::ios::binary);
        exchanges.append(std::istreambuf_iterator<char>(in), {});
    }
    EXPECT_NE(exchanges.find("\t0104|0000|US$\t"), std::string::npos) << exchanges;
    EXPECT_EQ(exchanges.find("0106|"), std::string::npos) << exchanges;
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

TEST_F(CliProcess, DiffTellsWhetherTwoCommandFilesDifferWithoutAPrinter) {
    const std::string a = data.file("a.cmd");
    const std::string b = data.file("b.cmd");
    ASSERT_EQ(cli("backup '" + a + "'").code, 0);
    korva::modifyState(state(), [](korva::PrinterState& s) { s.currency = "US$"; });
    ASSERT_EQ(cli("backup '" + b + "'").code, 0);
    korva::modifyState(state(), [](korva::PrinterState& s) { s.poweredOn = false; });
    struct Case {
        const char* name;
        std::string args;
        int code;
        const char* said; // on standard output, or on standard error for code 2
    };
    const Case cases[] = {
        {"same file", "diff '" + a + "' '" + a + "'", 0, "Não existem alterações"},
        {"currency changed", "diff '" + a + "' '" + b + "'", 1,
         "O símbolo da moeda [ R$ ] SERÁ SUBSTITUÍDO POR [ US$ ]"},
        {"a directory", "diff '" + a + "' '" + home.path() + "'", 2, "não pode ser comparado"},
        {"one file only", "diff '" + a + "'", 2, "precisa de dois arquivos de comandos"},
    };
    for (const Case& c : cases) {
        const Outcome o = cli(c.args);
        EXPECT_EQ(o.code, c.code) << c.name << "\n" << o.err;
        EXPECT_NE((c.code == 2 ? o.err : o.out).find(c.said), std::string::npos) << c.name << "\n"
                                                                                 << o.out << o.err;
    }
}

TEST_F(CliProcess, BackupReplacesOnlyARegularFileAndOnlyWhenConfirmed) {
    const std::string file = data.file("ecf.cmd");
    std::ofstream(file, std::ios::binary) << "anterior";
    Outcome o = cli("backup '" + file + "'");
    EXPECT_EQ(o.code, 1);
    EXPECT_NE(o.err.find("já existe e não há terminal para confirmar; use --yes"),
              std::string::npos)
        << o.err;
    std::ifstream kept(file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "anterior");
    o = cli("--yes backup '" + file + "'");
    EXPECT_EQ(o.code, 0) << o.err;
    EXPECT_EQ(fs::file_size(file), 10184u);

    const std::string fifo = data.file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    o = cli("--yes backup '" + fifo + "'");
    EXPECT_EQ(o.code, 2);
    EXPECT_NE(o.err.find("não pode ser substituído: é um FIFO"), std::string::npos) << o.err;
    EXPECT_TRUE(fs::is_fifo(fifo));
}

// A wait at the terminal ends at the signal: the script's log so far is written, and the plan
// is not sent.
TEST_F(CliProcess, StopSignalEndsAWaitForTheTechnician) {
    korva::modifyState(state(), [](korva::PrinterState& s) { s.currency = "US$"; });
    const std::string file = data.file("ecf.cmd");
    ASSERT_EQ(cli("backup '" + file + "'").code, 0);
    korva::modifyState(state(), [](korva::PrinterState& s) { s.currency = "R$"; });
    struct Case {
        std::string args;
        const char* waitingFor;
        int signal;
        int code;
        const char* written; // before the wait
        const char* notSent;
    };
    const Case cases[] = {
        {"run '" + script("0009|0000\r\n#Aviso\r\n0106|0000|1\r\n") + "'", "[Enter para continuar]",
         SIGTERM, 1, "Comando: 0009|0000\r\n", "0106"},
        {"restore '" + file + "'", "[s/N]", SIGINT, 130, "SERÁ SUBSTITUÍDO POR [ US$ ]",
         "conferido"},
    };
    for (const Case& c : cases) {
        const Outcome o = signalledAtTerminal(c.args, c.waitingFor, c.signal);
        EXPECT_EQ(o.code, c.code) << c.args << "\n" << o.err;
        EXPECT_NE(o.out.find(c.written), std::string::npos) << o.out;
        EXPECT_EQ(o.out.find(c.notSent), std::string::npos) << o.out;
    }
    EXPECT_EQ(korva::readState(state()).currency, "R$");
}

// A backup of a printer with its own currency, operator and payment method, and a fresh printer
// to apply it to.
class CliApply : public CliProcess {
protected:
    CliApply() {
        korva::modifyState(state(), [](korva::PrinterState& s) {
            s.currency = "US$";
            s.operatorName = "MARIA";
            s.payments.push_back({3, "Vale", false});
        });
        EXPECT_EQ(cli("backup '" + file + "'").code, 0);
        korva::modifyState(state(), [](korva::PrinterState& s) {
            s = korva::freshPrinter(korva::defaultModel());
        });
    }

    const std::string file = data.file("ecf.cmd");
};

TEST_F(CliApply, SendsOnlyTheChosenFunctionsAndReadsThemBack) {
    Outcome o = cli("--yes apply '" + file + "' --only 6.3");
    EXPECT_EQ(o.code, 0) << o.err;
    EXPECT_NE(o.out.find("O símbolo da moeda [ R$ ] SERÁ SUBSTITUÍDO POR [ US$ ]"),
              std::string::npos)
        << o.out;
    EXPECT_NE(o.out.find("Símbolo da moeda: aplicado e conferido."), std::string::npos) << o.out;
    korva::PrinterState after = korva::readState(state());
    EXPECT_EQ(after.currency, "US$");
    EXPECT_EQ(after.payments.size(), 1u); // not chosen, not sent
    EXPECT_NE(cli("history").out.find("Configuração aplicada de"), std::string::npos);

    // The operator is the one setting the printer takes outside technical intervention.
    korva::modifyState(state(), [](korva::PrinterState& s) { s.mit = false; });
    o = cli("--yes apply '" + file + "' --only=6.15");
    EXPECT_EQ(o.code, 0) << o.err;
    EXPECT_EQ(korva::readState(state()).operatorName, "MARIA");

    // A refused send is reported as such, with the plan's other changes still made.
    korva::modifyState(state(), [](korva::PrinterState& s) {
        s.mit = true;
        s.currency = "R$";
        s.faults["0104"] = {1, "0006"};
    });
    o = cli("--yes apply '" + file + "' --only 6.3,6.7");
    EXPECT_EQ(o.code, 1);
    EXPECT_NE(o.out.find("Símbolo da moeda: o envio falhou"), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("Meios de pagamentos: aplicado e conferido."), std::string::npos) << o.out;
    after = korva::readState(state());
    EXPECT_EQ(after.currency, "R$");
    EXPECT_EQ(after.payments.size(), 2u);
}

TEST_F(CliApply, NothingIsSentWhenTheChoiceCannotBeAppliedWhole) {
    const std::string partial = data.file("parcial.cmd");
    fs::copy_file(file, partial);
    {
        std::fstream f(partial, std::ios::binary | std::ios::in | std::ios::out);
        f.seekp(static_cast<std::streamoff>(offsetof(CommandFileImage, currencySymbol)));
        f.write(std::string(sizeof CommandFileImage{}.currencySymbol, '\0').data(),
                sizeof CommandFileImage{}.currencySymbol);
    }
    struct Case {
        const char* name;
        bool mit;
        std::string args;
        int code;
        const char* said;
    };
    const Case cases[] = {
        {"outside technical intervention", false, "--yes apply '" + file + "' --only 6.3,6.15", 1,
         "MIT"},
        {"the clock is never applied from a file", true, "--yes apply '" + file + "' --only 6.5", 2,
         "06.05 não é aplicada"},
        {"nor the taxpayer data", true, "--yes apply '" + file + "' --only 6.13", 2,
         "06.03 Símbolo da moeda"},
        {"a function the file lacks", true, "--yes apply '" + partial + "' --only 6.7,6.3", 2,
         "O arquivo não tem Símbolo da moeda."},
        {"nobody confirms", true, "apply '" + file + "'", 1, "--yes"},
        {"--only without apply", true, "--yes restore '" + file + "' --only 6.3", 2, "apply"},
    };
    for (const Case& c : cases) {
        korva::modifyState(state(), [&](korva::PrinterState& s) { s.mit = c.mit; });
        const std::string before = korva::toJson(korva::readState(state())).dump();
        const Outcome o = cli(c.args);
        EXPECT_EQ(o.code, c.code) << c.name << "\n" << o.err;
        EXPECT_NE(o.err.find(c.said), std::string::npos) << c.name << "\n" << o.err;
        EXPECT_EQ(korva::toJson(korva::readState(state())).dump(), before) << c.name;
    }
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        result.push_back(line);
    }
    return result;
}

std::string code(const OperationCode& c, bool padded) {
    char text[16];
    std::snprintf(text, sizeof text, padded ? "%02d.%02d" : "%d.%d", c.type, c.step);
    return text;
}

// A shop's configuration on a printer with a user, saved with backup, plus the date and time
// block a backup never holds: a whole sealing profile.
class CliSeal : public CliProcess {
protected:
    CliSeal() {
        korva::modifyState(state(), [](korva::PrinterState& s) {
            s.header = {"MORVELAN LTDA", "LOJA CENTRO", "RUA A, 10", "BAIRRO B"};
            s.taxRates = {{"Ta", "1800"}, {"Sa", "0500"}};
            s.payments.push_back({3, "Vale", true});
            s.reports.push_back({2, "Vendas"});
            s.nonFiscal.push_back({3, "Recarga"});
            s.user = {1, "11222333000181", "123456789", "55667788", ""};
        });
        configured = korva::readState(state());
        const Outcome o = cli("backup '" + profile + "'");
        EXPECT_EQ(o.code, 0) << o.err;
        fs::copy_file(profile, backupOnly);
        const FormRecord clock = settings::clockRecord({"01022026", "103000"});
        std::fstream file(profile, std::ios::binary | std::ios::in | std::ios::out);
        file.seekp(static_cast<std::streamoff>(offsetof(CommandFileImage, clock)));
        file.write(clock.data(), static_cast<std::streamsize>(clock.size()));
        fresh();
    }

    void fresh() {
        korva::modifyState(state(), [](korva::PrinterState& s) {
            s = korva::freshPrinter(korva::defaultModel());
        });
    }

    static std::vector<std::pair<std::string, std::string>>
    names(const std::vector<korva::NamedEntry>& entries) {
        std::vector<std::pair<std::string, std::string>> result;
        for (const korva::NamedEntry& e : entries) {
            result.emplace_back(std::to_string(e.number) + (e.linked ? "v" : ""), e.name);
        }
        return result;
    }

    static std::vector<std::pair<std::string, std::string>>
    rates(const std::vector<korva::TaxRate>& entries) {
        std::vector<std::pair<std::string, std::string>> result;
        for (const korva::TaxRate& r : entries) {
            result.emplace_back(r.code, r.rate);
        }
        return result;
    }

    const std::string profile = data.file("perfil.cmd");
    const std::string backupOnly = data.file("backup.cmd");
    korva::PrinterState configured;
};

TEST_F(CliSeal, AProfileSealsAFreshPrinterStepByStep) {
    const Outcome o = cli("--yes seal '" + profile + "'");
    ASSERT_EQ(o.code, 0) << o.out << o.err;
    const korva::PrinterState sealed = korva::readState(state());
    EXPECT_EQ(sealed.user.number, 1);
    EXPECT_EQ(sealed.user.cnpj, configured.user.cnpj);
    EXPECT_EQ(sealed.user.ie, configured.user.ie);
    // A backup keeps the lines as the printer reads them, padded to the line's width.
    std::vector<std::string> header;
    for (const std::string& line : sealed.header) {
        header.push_back(line.substr(0, line.find_last_not_of(' ') + 1));
    }
    EXPECT_EQ(header, configured.header);
    EXPECT_EQ(rates(sealed.taxRates), rates(configured.taxRates));
    EXPECT_EQ(names(sealed.payments), names(configured.payments));
    EXPECT_EQ(names(sealed.reports), names(configured.reports));
    EXPECT_EQ(names(sealed.nonFiscal), names(configured.nonFiscal));
    const std::time_t printerNow = std::time(nullptr) + sealed.clockOffset;
    std::tm clock{};
    localtime_r(&printerNow, &clock);
    EXPECT_EQ(std::vector({clock.tm_mday, clock.tm_mon + 1, clock.tm_year + 1900}),
              std::vector({1, 2, 2026}));
    // One line per step, in the window's order.
    std::vector<std::string> steps;
    for (const std::string& line : lines(o.out)) {
        if (line.starts_with("Passo ")) {
            EXPECT_TRUE(line.ends_with(" ... ( 0000 ) - Resultado sem erro")) << line;
            steps.push_back(line.substr(0, line.find(" ...")));
        }
    }
    EXPECT_EQ(steps,
              std::vector<std::string>(
                  {"Passo 1: Data e hora", "Passo 2: Troca usuário/incluir IM", "Passo 3: Clichê",
                   "Passo 4: Alíquotas de ICMS e ISSQN", "Passo 5: Totalizadores não fiscais",
                   "Passo 6: Relatórios gerenciais", "Passo 7: Meios de pagamentos"}));
    EXPECT_TRUE(o.out.ends_with("Lacração Finalizada.\n")) << o.out;
    EXPECT_NE(cli("history").out.find("Lacração Finalizada."), std::string::npos);
}

TEST_F(CliSeal, AFailedStepEndsTheSequenceThere) {
    korva::modifyState(state(), [](korva::PrinterState& s) { s.faults["0103"] = {1, "0006"}; });
    const Outcome o = cli("--yes seal '" + profile + "' --clock-from-pc");
    EXPECT_EQ(o.code, 1);
    EXPECT_NE(o.out.find("Passo 3: Clichê ... "), std::string::npos) << o.out;
    EXPECT_EQ(o.out.find("Passo 4: Alíquotas de ICMS e ISSQN ..."), std::string::npos) << o.out;
    EXPECT_EQ(o.out.find("Lacração Finalizada."), std::string::npos) << o.out;
    EXPECT_NE(o.err.find("Estado da Execução do Comando: ( 0006 )"), std::string::npos) << o.err;
    const korva::PrinterState after = korva::readState(state());
    EXPECT_EQ(after.user.number, 1); // the steps before it were sent
    EXPECT_EQ(names(after.payments), names(korva::freshPrinter(korva::defaultModel()).payments));
    EXPECT_TRUE(after.taxRates.empty());
}

TEST_F(CliSeal, NothingIsSentWhenTheSequenceCannotStart) {
    struct Case {
        const char* name;
        std::function<void()> prepare;
        std::string args;
        int code;
        const char* said;
    };
    const std::string damaged = data.file("danificado.cmd");
    std::ofstream(damaged, std::ios::binary) << "not a command file";
    const Case cases[] = {
        {"outside technical intervention",
         [&] { korva::modifyState(state(), [](korva::PrinterState& s) { s.mit = false; }); },
         "--yes seal '" + profile + "'", 1, "MIT"},
        {"damaged profile", [] {}, "--yes seal '" + damaged + "'", 2, "não pode ser usado"},
        {"no such profile", [] {}, "--yes seal '/nao/existe.cmd'", 2, "não pode ser usado"},
        {"a backup has no clock", [] {}, "--yes seal '" + backupOnly + "'", 2,
         "Passo 1: Data e hora"},
        {"printer already has a user",
         [&] { korva::modifyState(state(), [](korva::PrinterState& s) { s.user.number = 1; }); },
         "--yes seal '" + profile + "'", 1, "Já existe usuário cadastrado"},
        {"nobody confirms", [] {}, "seal '" + profile + "'", 1, "--yes"},
    };
    for (const Case& c : cases) {
        fresh();
        c.prepare();
        const std::string before = korva::toJson(korva::readState(state())).dump();
        const Outcome o = cli(c.args);
        EXPECT_EQ(o.code, c.code) << c.name << "\n" << o.err;
        EXPECT_NE(o.err.find(c.said), std::string::npos) << c.name << "\n" << o.err;
        EXPECT_EQ(o.out.find("Passo 1: Data e hora ..."), std::string::npos) << c.name;
        EXPECT_EQ(korva::toJson(korva::readState(state())).dump(), before) << c.name;
    }
}

TEST_F(CliProcess, ListShowsEveryLeafInTreeOrderWithoutAPrinter) {
    TempDir empty;
    const Outcome o = cli("list", empty.path());
    EXPECT_EQ(o.code, 0) << o.err;
    const auto listed = lines(o.out);
    ASSERT_EQ(listed.size(), 51u) << o.out;
    const auto uses = functionUses();
    for (std::size_t i = 0; i < listed.size(); ++i) {
        EXPECT_TRUE(listed[i].starts_with(code(uses[i].code, true) + "\t")) << listed[i];
    }
    for (const char* line : {"01.01\tComunicação :: Verificar comunicação\tenvia",
                             "06.02\tConfiguração :: Clichê\tenvia e lê",
                             "07.01\tLeitura de informações :: Estado do ECF\tlê",
                             "07.04\tLeitura de informações :: Clichê\tlê",
                             "09.02\tScripts de Seqüências de comandos :: Executor de scripts\t"
                             "executor de scripts"}) {
        EXPECT_NE(std::find(listed.begin(), listed.end(), line), listed.end()) << line;
    }
}

TEST_F(CliProcess, ReadShowsEveryReadingWithTheValuesConfigured) {
    for (const char* command :
         {"0104|0000|US$", "0203|0000|1|2|Vale Refeicao", "0107|0000|ANA SILVA", "0201|0000|1800|0",
          "0103|0000|MORVELAN LTDA|LOJA CENTRO|RUA A, 10|BAIRRO B|007|0042", "0205|0000|Recarga",
          "0207|0000|Vendas", "0106|0000|1", "010A|0000|A|S",
          "0301|0000|11222333000181|123456789|55667788|12345678|03|02", "0302|0000",
          "0109|0000|2|3"}) {
        ASSERT_EQ(cli("send '" + std::string(command) + "'").code, 0) << command;
    }
    std::map<std::string, std::set<std::string>> shown;
    bool padded = false;
    for (const FunctionUse& use : functionUses()) {
        // "Estado do ECF" reads through its operation: the status is its answer.
        if (!use.reading && !readsThroughOperation(use)) {
            continue;
        }
        // Both spellings of a code, taken in turn.
        padded = !padded;
        const std::string asked = code(use.code, padded);
        const Outcome o = cli("read " + asked);
        ASSERT_EQ(o.code, 0) << asked << ": " << o.err;
        const auto printed = lines(o.out);
        EXPECT_FALSE(printed.empty()) << asked;
        std::set<std::string> names;
        for (const std::string& line : printed) {
            const std::size_t colon = line.find(": ");
            ASSERT_NE(colon, std::string::npos) << asked << ": " << line;
            ASSERT_GT(colon, 0u) << asked << ": " << line;
            EXPECT_TRUE(names.insert(line.substr(0, colon)).second) << asked << ": " << line;
        }
        shown[code(use.code, true)] = {printed.begin(), printed.end()};
        // A configuration item and the reading item it shares its reading with show the same;
        // the printer's clock runs on between the two, so there only the names must agree.
        const auto compared = [&use](const std::set<std::string>& all) {
            if (use.reading != OperationCode{6, 5}) {
                return all;
            }
            std::set<std::string> names;
            for (const std::string& line : all) {
                names.insert(line.substr(0, line.find(": ")));
            }
            return names;
        };
        for (const auto& [other, otherLines] : shown) {
            if (other != code(use.code, true) &&
                functionUse(std::stoi(other), std::stoi(other.substr(3)))->reading == use.reading) {
                EXPECT_EQ(compared(otherLines), compared(shown[code(use.code, true)]))
                    << other << " / " << asked;
            }
        }
    }
    const std::pair<const char*, const char*> expected[] = {
        {"07.01", "Estado dos Parâmetros: Campos sem erro."},
        {"07.05", "Símbolo da moeda: US$"},
        {"07.09", "Meio de Pagamento 02: Vale Refeicao"},
        {"07.11", "Alíquota 01: 1800"},
        {"07.13", "Operador: ANA SILVA"},
        {"07.03", "C.N.P.J: 11222333000181"},
        {"07.03", "Casas decimais - Quantidade: 02"},
        {"07.04", "Razão Social: MORVELAN LTDA"},
        {"07.04", "Loja: 0042"},
        {"07.10", "Relatório Gerencial 02: Vendas"},
        {"07.12", "Totalizador Não Fiscal 03: Recarga"},
        {"07.14", "Desconto em ISSQN: Desconto em ISSQN HABILITADO"},
        {"07.17", "Casas decimais - Preço Unitário: 3"},
        {"07.18", "Arredonda / Trunca: Arredonda"},
        {"06.16", "Inscrição Municipal: 55667788"},
        {"07.02", "Número de série da memória fiscal: KV300000000000000001"},
    };
    for (const auto& [item, line] : expected) {
        EXPECT_TRUE(shown[item].contains(line)) << item << " lacks " << line;
    }
    EXPECT_NE(cli("history").out.find("7.13 Operador  ( 0000 ) - Resultado sem erro"),
              std::string::npos);
}

TEST_F(CliProcess, ReadRefusesWhatIsNoReadingAndWritesJson) {
    for (const char* args : {"read 6.1", "read 9.2", "read 4.1", "read 7.99", "read abc", "read 7.",
                             "read", "--json status"}) {
        const Outcome o = cli(args);
        EXPECT_EQ(o.code, 2) << args;
        EXPECT_EQ(o.out, "") << args;
    }
    EXPECT_NE(cli("read 6.1").err.find("não é uma função de leitura"), std::string::npos);
    // A fresh printer has no user: the taxpayer form would say so and show nothing.
    Outcome o = cli("read 7.3");
    EXPECT_EQ(o.code, 1);
    EXPECT_NE(o.err.find("Não existe usuário cadastrado no ECF."), std::string::npos) << o.err;

    ASSERT_EQ(cli("send '0107|0000|ANA\"B\\C'").code, 0);
    o = cli("read 07.13 --json");
    EXPECT_EQ(o.code, 0) << o.err;
    EXPECT_EQ(o.out, "{\"code\":\"07.13\",\"function\":\"Operador\",\"fields\":[{\"name\":"
                     "\"Operador\",\"value\":\"ANA\\\"B\\\\C\"}]}\n");
    o = cli("--json read 7.4");
    EXPECT_TRUE(o.out.starts_with(
        "{\"code\":\"07.04\",\"function\":\"Clichê\",\"fields\":[{\"name\":\"Razão Social\","))
        << o.out;
    EXPECT_TRUE(o.out.ends_with("}]}\n")) << o.out;
    std::size_t objects = 0;
    for (std::size_t at = 0; (at = o.out.find("{\"name\":", at)) != std::string::npos; ++at) {
        ++objects;
    }
    EXPECT_EQ(objects, lines(cli("read 7.4").out).size());
}

} // namespace
} // namespace morvelan::test
