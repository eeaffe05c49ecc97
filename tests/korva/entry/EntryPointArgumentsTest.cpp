// Arguments a driver cannot put on a command line, and buffers it must not overrun.
#include "EntryPointFixture.h"

namespace korva::test {
namespace {

using EntryPointArguments = EntryPointTest;

void expectRejected(int result, const char* fieldError, const char* fieldNumber) {
    EXPECT_EQ(result, KORVA_ERRO_PARAMETRO);
    const Status status = lastStatus();
    EXPECT_EQ(status.fieldError(), fieldError);
    EXPECT_EQ(status.fieldNumber(), fieldNumber);
    EXPECT_EQ(status.returnCode(), "0004");
}

TEST_F(EntryPointArguments, NullPointersAreRejectedByPosition) {
    char out[2048] = {};
    int number = 0;
    struct Case {
        const char* name;
        int result;
        const char* field;
    };
    enterMit();
    const Case cases[] = {
        {"Configurar_Usuario", KORVA_Configurar_Usuario("a", "b", "c", nullptr, "001", "0001"),
         "04"},
        {"Configurar_Usuario", KORVA_Configurar_Usuario("a", "b", "c", "d", "001", nullptr), "06"},
        {"Ajustar_Relogio", KORVA_Ajustar_Relogio("01012026", nullptr, 1), "02"},
        {"Config_Forma_Pagamento", KORVA_Config_Forma_Pagamento(0, "03", nullptr), "03"},
        {"Config_Totalizador_NaoFiscal", KORVA_Config_Totalizador_NaoFiscal(nullptr, &number),
         "01"},
        {"FiscalizeEX", KORVA_FiscalizeEX("1", "2", "3", nullptr, "03", "02"), "04"},
        {"Confirm_FiscalizeEX", KORVA_Confirm_FiscalizeEX(out, out, out, out, nullptr, out), "05"},
        {"Set_DS_KeyEX", KORVA_Set_DS_KeyEX("0", out, out, out, nullptr, out), "05"},
        {"RelatorioFiscal_RZ", KORVA_RelatorioFiscal_RZ(nullptr, "", 2, "\0\0\0\0\0\0\0"), "01"},
        {"Leitura_MFD_Data", KORVA_Leitura_MFD_Data("01012026", nullptr, 0, 0, "", 0, 0, 0), "02"},
        {"Obter_Log_Comandos", KORVA_Obter_Log_Comandos(out, nullptr), "02"},
        {"Obter_Arredonda_Trunca_Fabricacao", KORVA_Obter_Arredonda_Trunca_Fabricacao(nullptr, out),
         "01"},
        {"Obter_Estado_Microchaves", KORVA_Obter_Estado_Microchaves(nullptr), "01"},
        {"Obter_Tabela_Pagamentos", KORVA_Obter_Tabela_Pagamentos(nullptr), "01"},
        {"Send_From_FileEX", KORVA_Send_From_FileEX("0001|0000", nullptr), "02"},
        {"Send_From_FileEXX", KORVA_Send_From_FileEXX("0001|0000", out, nullptr), "03"},
        {"Send_From_File", KORVA_Send_From_File(nullptr), "01"},
        {"Obter_Mensagem_Erro", KORVA_Obter_Mensagem_Erro(nullptr, out), "01"},
        {"Serial_Abrir_PortaAD", KORVA_Serial_Abrir_PortaAD("", nullptr), "02"},
    };
    // Each case ran before the next one, so only the result can be checked afterwards; the
    // status of each is checked below, one at a time, for a few representative ones.
    for (const Case& c : cases) {
        EXPECT_EQ(c.result, KORVA_ERRO_PARAMETRO) << c.name << " field " << c.field;
    }
    expectRejected(KORVA_Configurar_Usuario("a", "b", "c", "d", "001", nullptr), "01", "06");
    expectRejected(KORVA_Confirm_FiscalizeEX(out, out, out, out, nullptr, out), "01", "05");
    expectRejected(KORVA_Obter_Dados_Jornada(nullptr), "01", "01");
    expectRejected(KORVA_Send_From_FileEXX("0001|0000", nullptr, out), "01", "02");
}

TEST_F(EntryPointArguments, ABarInsideATextWouldShiftTheFieldsAndIsRejected) {
    enterMit();
    ASSERT_EQ(KORVA_Config_Operador("ANA"), KORVA_OK);
    expectRejected(KORVA_Config_Operador("ANA|B"), "07", "01");
    expectRejected(KORVA_Configurar_Usuario("a", "b", "c", "d", "00|1", "0001"), "07", "05");
    expectRejected(KORVA_Config_Forma_Pagamento(1, "03", "CAR|TAO"), "07", "03");
    Buffer name(KORVA_TAM_OPERADOR);
    ASSERT_EQ(KORVA_Obter_Operador(name.data()), KORVA_OK);
    EXPECT_EQ(name.text(), "ANA") << "nothing reached the printer";
}

TEST_F(EntryPointArguments, OverLongTextsAreThePrintersToRefuse) {
    enterMit();
    EXPECT_NE(KORVA_Config_Operador(std::string(21, 'X').c_str()), KORVA_OK);
    Status status = lastStatus();
    EXPECT_EQ(status.fieldError(), "07");
    EXPECT_EQ(status.fieldNumber(), "01");
    EXPECT_EQ(status.returnCode(), "0004");

    EXPECT_NE(KORVA_Configurar_Usuario(std::string(57, 'L').c_str(), "", "", "", "001", "0001"),
              KORVA_OK);
    EXPECT_EQ(lastStatus().fieldNumber(), "01");

    const std::string huge = "0107|0000|" + std::string(100000, 'Y');
    Buffer answer(KORVA_TAM_RESPOSTA);
    EXPECT_NE(KORVA_Send_From_FileEX(huge.c_str(), answer.data()), KORVA_OK);
    EXPECT_EQ(lastStatus().returnCode(), "0005");
    EXPECT_TRUE(answer.canaryIntact());
}

TEST_F(EntryPointArguments, AnUnterminatedKeyTextIsNotReadPastItsLength) {
    enterMit();
    // 520 key characters immediately followed by a "|": reading one character too far would
    // find it and reject the argument instead of handing the key to the printer.
    std::string key(KORVA_TAM_CHAVE_PRIVADA, 'A');
    key += "|garbage";
    Buffer a(33), b(21), c(21), d(11), e(9);
    EXPECT_EQ(KORVA_Set_DS_KeyEX(key.c_str(), a.data(), b.data(), c.data(), d.data(), e.data()),
              KORVA_ERRO_COMANDO);
    EXPECT_EQ(lastStatus().fieldError(), "00");
    EXPECT_NE(lastStatus().returnCode(), "0000");
    for (const Buffer* buffer : {&a, &b, &c, &d, &e}) {
        EXPECT_TRUE(buffer->canaryIntact());
        EXPECT_EQ(buffer->text(), "") << "a refused key leaves the outputs alone";
    }
}

// Every output buffer of its documented size, with the printer holding the longest texts it can.
TEST_F(EntryPointArguments, NoOutputIsWrittenPastItsDocumentedSize) {
    enterMit();
    ASSERT_EQ(KORVA_Configurar_Usuario(std::string(56, 'A').c_str(), std::string(56, 'B').c_str(),
                                       std::string(56, 'C').c_str(), std::string(56, 'D').c_str(),
                                       "999", "9999"),
              KORVA_OK);
    ASSERT_EQ(KORVA_Config_Operador(std::string(20, 'O').c_str()), KORVA_OK);
    ASSERT_EQ(KORVA_Configurar_Simbolo_Moeda("ABCD"), KORVA_OK);
    for (int i = 0; i < 18; ++i) {
        ASSERT_EQ(KORVA_Config_Aliquota("1234", i % 2), KORVA_OK);
    }
    for (int i = 10; i < 22; ++i) {
        ASSERT_EQ(KORVA_Ajustar_Relogio("01012027", ("1200" + std::to_string(i)).c_str(), 1),
                  KORVA_OK);
    }
    struct Reading {
        const char* name;
        std::size_t size;
        int (*call)(char*);
    };
    const Reading readings[] = {
        {"Cliche", KORVA_TAM_CLICHE, KORVA_Obter_Cliche_Usuario},
        {"ECF_Loja", KORVA_TAM_ECF_LOJA, KORVA_Obter_Numero_ECF_Loja},
        {"Dados_Impressora", KORVA_TAM_DADOS_IMPRESSORA, KORVA_Obter_Dados_Impressora},
        {"Dados_Usuario", KORVA_TAM_DADOS_USUARIO, KORVA_Obter_Dados_Usuario},
        {"Simbolo", KORVA_TAM_SIMBOLO_MOEDA, KORVA_Obter_Simbolo_Moeda},
        {"Hora", KORVA_TAM_HORA_RELOGIO, KORVA_Obter_Hora_Relogio},
        {"Desconto", KORVA_TAM_DESCONTO_ISS, KORVA_Obter_Desconto_Iss},
        {"Aliquotas", KORVA_TAM_ALIQUOTAS, KORVA_Obter_Tabela_Aliquotas},
        {"Pagamentos", KORVA_TAM_PAGAMENTOS, KORVA_Obter_Tabela_Pagamentos},
        {"NaoFiscais", KORVA_TAM_NAO_FISCAIS, KORVA_Obter_Tabela_NaoFiscais},
        {"Relatorios", KORVA_TAM_RELATORIOS, KORVA_Obter_Tabela_Relatorios_Gerenciais},
        {"Casas", KORVA_TAM_CASAS_DECIMAIS, KORVA_Obter_Casas_Decimais},
        {"Operador", KORVA_TAM_OPERADOR, KORVA_Obter_Operador},
        {"Jornada", KORVA_TAM_JORNADA, KORVA_Obter_Dados_Jornada},
        {"Numero_Usuario", KORVA_TAM_NUMERO_USUARIO, KORVA_Obter_Numero_Usuario},
        {"Estado", KORVA_TAM_ESTADO, KORVA_Obter_Estado_Impressora},
        {"Estado_Com", KORVA_TAM_NUMERO_PORTA, KORVA_Serial_Obter_Estado_Com},
    };
    for (const Reading& reading : readings) {
        Buffer buffer(reading.size);
        EXPECT_EQ(reading.call(buffer.data()), KORVA_OK) << reading.name;
        EXPECT_TRUE(buffer.canaryIntact()) << reading.name;
        EXPECT_FALSE(buffer.text().empty()) << reading.name;
    }
    Buffer log(KORVA_TAM_LOG), count(KORVA_TAM_LOG_CONTADOR);
    EXPECT_EQ(KORVA_Obter_Log_Comandos(log.data(), count.data()), KORVA_OK);
    EXPECT_EQ(count.text(), "270");
    Buffer status(KORVA_TAM_ESTADO), start(KORVA_TAM_RESPOSTA_CURTA), message(KORVA_TAM_MENSAGEM);
    EXPECT_EQ(KORVA_Send_From_FileEXX("0003|0000", status.data(), start.data()), KORVA_OK);
    EXPECT_EQ(start.text().size(), 9u);
    EXPECT_EQ(KORVA_Obter_Mensagem_Erro("0e01", message.data()), KORVA_OK);
    Buffer port(KORVA_TAM_NUMERO_PORTA);
    EXPECT_EQ(KORVA_Serial_Abrir_PortaAD("", port.data()), KORVA_OK);
    for (const Buffer* b : {&log, &count, &status, &start, &message, &port}) {
        EXPECT_TRUE(b->canaryIntact());
    }
}

} // namespace
} // namespace korva::test
