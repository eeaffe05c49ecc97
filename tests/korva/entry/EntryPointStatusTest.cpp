// The status the library reports after each kind of outcome, the port, the messages, the log,
// and calls from two threads.
#include "EntryPointFixture.h"

#include "ReturnCodes.h"
#include "VirtualPrinter.h"

#include <atomic>
#include <thread>

namespace korva::test {
namespace {

using EntryPointStatus = EntryPointTest;

TEST_F(EntryPointStatus, OpeningThePortRestartsTheStatus) {
    const Status first = lastStatus();
    EXPECT_EQ(first.result, KORVA_ERRO_COMANDO);
    EXPECT_EQ(first.text, "");

    ASSERT_EQ(KORVA_Send_From_File("0001|0000"), KORVA_OK);
    EXPECT_EQ(lastStatus().result, KORVA_OK);
    KORVA_Serial_Fechar_Porta();
    Buffer port(KORVA_TAM_NUMERO_PORTA);
    ASSERT_EQ(KORVA_Serial_Abrir_PortaAD("", port.data()), KORVA_OK);
    EXPECT_EQ(port.text(), "1") << "the fresh printer is on COM1";
    EXPECT_EQ(lastStatus().text, "");
}

TEST_F(EntryPointStatus, StatusAfterSuccessRefusalAndFieldError) {
    ASSERT_EQ(KORVA_Config_Operador("ANA"), KORVA_OK);
    Status status = lastStatus();
    EXPECT_EQ(status.result, KORVA_OK);
    ASSERT_EQ(status.text.size(), 20u);
    EXPECT_EQ(status.fieldError() + status.fieldNumber(), "0000");
    EXPECT_EQ(status.returnCode(), "0000");

    EXPECT_EQ(KORVA_Excluir_Aliquota("Tc"), KORVA_ERRO_COMANDO);
    status = lastStatus();
    EXPECT_EQ(status.result, KORVA_OK) << "reading the status succeeds";
    EXPECT_EQ(status.returnCode(), "090f");

    EXPECT_NE(KORVA_Ajustar_Relogio("32132026", "120000", 1), KORVA_OK);
    status = lastStatus();
    EXPECT_EQ(status.fieldError(), "02");
    EXPECT_EQ(status.fieldNumber(), "01");
    EXPECT_EQ(status.returnCode(), "0004");
}

TEST_F(EntryPointStatus, APrinterSwitchedOffDoesNotAnswer) {
    editState([](PrinterState& s) { s.poweredOn = false; });
    Buffer name(KORVA_TAM_OPERADOR);
    EXPECT_EQ(KORVA_Obter_Operador(name.data()), KORVA_ERRO_SEM_RESPOSTA);
    EXPECT_EQ(name.text(), "");
    EXPECT_EQ(lastStatus().result, KORVA_ERRO_SEM_RESPOSTA);
    Buffer status(KORVA_TAM_ESTADO), answer(KORVA_TAM_RESPOSTA_CURTA);
    EXPECT_EQ(KORVA_Send_From_FileEXX("0001|0000", status.data(), answer.data()),
              KORVA_ERRO_SEM_RESPOSTA);

    editState([](PrinterState& s) { s.poweredOn = true; });
    EXPECT_EQ(KORVA_Obter_Operador(name.data()), KORVA_OK);
}

TEST_F(EntryPointStatus, WithThePortClosedNothingIsSent) {
    Buffer open(KORVA_TAM_NUMERO_PORTA);
    ASSERT_EQ(KORVA_Serial_Obter_Estado_Com(open.data()), KORVA_OK);
    EXPECT_EQ(open.text(), "1");
    ASSERT_EQ(KORVA_Serial_Fechar_Porta(), KORVA_OK);
    ASSERT_EQ(KORVA_Serial_Fechar_Porta(), KORVA_OK) << "closing twice is harmless";
    Buffer closed(KORVA_TAM_NUMERO_PORTA);
    ASSERT_EQ(KORVA_Serial_Obter_Estado_Com(closed.data()), KORVA_OK);
    EXPECT_EQ(closed.text(), "0");
    EXPECT_EQ(KORVA_RelatorioFiscal_LeituraX(), KORVA_ERRO_PORTA_FECHADA);

    EXPECT_EQ(KORVA_Serial_Abrir_PortaADEX("COM1", open.data(), 1200), KORVA_ERRO_PARAMETRO);
    EXPECT_EQ(KORVA_Serial_Abrir_PortaADEX("COM1", open.data(), 9600), KORVA_OK);
    EXPECT_EQ(KORVA_Serial_Fechar_Porta(), KORVA_OK);
    EXPECT_EQ(KORVA_Serial_Abrir_Porta("COM1"), KORVA_OK);
    EXPECT_EQ(KORVA_RelatorioFiscal_LeituraX(), KORVA_OK);
}

TEST_F(EntryPointStatus, RawStatusCommandGivesTheStatusOfItsOwnExchange) {
    Buffer status(KORVA_TAM_ESTADO), answer(KORVA_TAM_RESPOSTA_CURTA);
    ASSERT_EQ(KORVA_Send_From_FileEXX("0001|0000", status.data(), answer.data()), KORVA_OK);
    EXPECT_EQ(status.text().size(), 20u);
    EXPECT_EQ(status.text(), lastStatus().text);
    EXPECT_EQ(answer.text(), status.text().substr(0, 9)) << "the answer of 0001 is the status";
    EXPECT_TRUE(status.canaryIntact());
    EXPECT_TRUE(answer.canaryIntact());

    ASSERT_EQ(KORVA_Send_From_FileEXX("0202|0000|Tq", status.data(), answer.data()),
              KORVA_ERRO_COMANDO);
    EXPECT_EQ(status.text().substr(16), "090f");
    EXPECT_EQ(answer.text(), "");
}

TEST_F(EntryPointStatus, EveryReturnCodeHasAMessage) {
    for (const rc::Entry& entry : rc::catalogue()) {
        const std::string code(entry.code);
        Buffer message(KORVA_TAM_MENSAGEM);
        ASSERT_EQ(KORVA_Obter_Mensagem_Erro(code.c_str(), message.data()), KORVA_OK) << code;
        EXPECT_FALSE(message.text().empty()) << code;
        EXPECT_LE(message.text().size(), 100u) << code;
        EXPECT_EQ(message.text(), VirtualPrinter::message(code)) << code;
        EXPECT_TRUE(message.canaryIntact()) << code;
    }
}

TEST_F(EntryPointStatus, LogFilesAreWrittenWhileLoggingIsOn) {
    const auto directory = stateFile().parent_path() / "log";
    ASSERT_EQ(KORVA_Sys_Log(directory.c_str(), 1), KORVA_OK);
    ASSERT_EQ(KORVA_Send_From_File("0001|0000"), KORVA_OK);
    ASSERT_TRUE(std::filesystem::is_directory(directory));
    const auto sizeOfLogs = [&] {
        std::uintmax_t total = 0;
        for (const auto& file : std::filesystem::directory_iterator(directory)) {
            total += file.file_size();
        }
        return total;
    };
    const auto logged = sizeOfLogs();
    EXPECT_GT(logged, 0u);
    ASSERT_EQ(KORVA_Sys_Log(directory.c_str(), 0), KORVA_OK);
    ASSERT_EQ(KORVA_Send_From_File("0001|0000"), KORVA_OK);
    EXPECT_EQ(sizeOfLogs(), logged);
    std::filesystem::remove_all(directory);
}

TEST_F(EntryPointStatus, TwoThreadsCallingAtOnceEachSeeWholeAnswers) {
    enterMit();
    ASSERT_EQ(KORVA_Config_Operador("PRIMEIRO"), KORVA_OK);
    std::atomic<int> failures{0};
    const auto reader = [&] {
        for (int i = 0; i < 100; ++i) {
            char name[KORVA_TAM_OPERADOR] = {};
            char status[KORVA_TAM_ESTADO] = {};
            char answer[KORVA_TAM_RESPOSTA_CURTA] = {};
            if (KORVA_Obter_Operador(name) != KORVA_OK ||
                (std::string(name) != "PRIMEIRO" && std::string(name) != "SEGUNDO") ||
                KORVA_Send_From_FileEXX("0001|0000", status, answer) != KORVA_OK ||
                std::string(status).size() != 20) {
                ++failures;
            }
        }
    };
    const auto writer = [&] {
        for (int i = 0; i < 100; ++i) {
            if (KORVA_Config_Operador(i % 2 ? "PRIMEIRO" : "SEGUNDO") != KORVA_OK) {
                ++failures;
            }
        }
    };
    std::thread a(reader), b(writer);
    a.join();
    b.join();
    EXPECT_EQ(failures.load(), 0);
}

} // namespace
} // namespace korva::test
