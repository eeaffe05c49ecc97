// Printed reports, fiscal set-up and signature keys: the counters and modes they change.
#include "EntryPointFixture.h"

namespace korva::test {
namespace {

using EntryPointReports = EntryPointTest;

std::string fiscalDay() {
    Buffer day(KORVA_TAM_JORNADA);
    EXPECT_EQ(KORVA_Obter_Dados_Jornada(day.data()), KORVA_OK);
    return day.text();
}

std::string lastCoo() {
    return fiscalDay().substr(34, 6);
}

TEST_F(EntryPointReports, ReadingsAdvanceTheCounterLikeTheirRawCommands) {
    const std::string before = lastCoo();
    ASSERT_EQ(KORVA_RelatorioFiscal_LeituraX(), KORVA_OK);
    const std::string afterEntryPoint = lastCoo();
    EXPECT_GT(afterEntryPoint, before);
    ASSERT_EQ(KORVA_Send_From_File("0501|0000"), KORVA_OK);
    EXPECT_EQ(std::stoi(lastCoo()) - std::stoi(afterEntryPoint),
              std::stoi(afterEntryPoint) - std::stoi(before));
}

TEST_F(EntryPointReports, OpeningTheDayAndReducingIt) {
    ASSERT_EQ(KORVA_RelatorioFiscal_Abrir_Dia(), KORVA_OK);
    EXPECT_EQ(fiscalDay()[64], '1') << "day open";
    const char reserved[8] = {};
    ASSERT_EQ(KORVA_RelatorioFiscal_RZ("", "", 2, reserved), KORVA_OK);
    const std::string day = fiscalDay();
    EXPECT_EQ(day[64], '0') << "day closed";
    EXPECT_EQ(day.substr(40, 6), "000001") << "first Z reduction";
    EXPECT_NE(KORVA_RelatorioFiscal_RZ("", "", 7, reserved), KORVA_OK)
        << "the action is the printer's to check";
    EXPECT_EQ(lastStatus().fieldNumber(), "03");
}

TEST_F(EntryPointReports, MemoryReadingsPassRangeAndModeOrExtension) {
    ASSERT_EQ(KORVA_RelatorioFiscal_Abrir_Dia(), KORVA_OK);
    const char reserved[8] = {};
    ASSERT_EQ(KORVA_RelatorioFiscal_RZ("", "", 2, reserved), KORVA_OK);
    EXPECT_EQ(KORVA_RelatorioFiscal_Leitura_MF("000001", "000001", 6, "", "", 0, 0), KORVA_OK);
    EXPECT_NE(KORVA_RelatorioFiscal_Leitura_MF("000001", "000001", 3, "", "", 0, 0), KORVA_OK);
    EXPECT_EQ(lastStatus().fieldNumber(), "03");
    EXPECT_EQ(KORVA_Leitura_MFD_CRZ("000001", "000001", 0, 0, "", 0, 0, 0), KORVA_OK);
    EXPECT_EQ(KORVA_Leitura_MFD("000001", "000002", 0, 0, "", 0, 0, 0), KORVA_OK);
    EXPECT_NE(KORVA_Leitura_MFD_Data("99999999", "01012026", 0, 0, "", 0, 0, 0), KORVA_OK)
        << "by date, the range is read as dates";
    EXPECT_EQ(lastStatus().fieldError(), "02");
}

TEST_F(EntryPointReports, PrintingNeedsPaper) {
    editState([](PrinterState& s) { s.mechanics.paper = Paper::Out; });
    EXPECT_EQ(KORVA_RelatorioFiscal_LeituraX(), KORVA_ERRO_COMANDO);
    EXPECT_EQ(lastStatus().returnCode(), "0008");
    editState([](PrinterState& s) {
        s.mechanics.paper = Paper::Ok;
        s.mechanics.coverOpen = true;
    });
    EXPECT_EQ(KORVA_RelatorioFiscal_Abrir_Dia(), KORVA_ERRO_COMANDO);
    EXPECT_EQ(lastStatus().returnCode(), "0009");
}

TEST_F(EntryPointReports, FiscalizationRecordsThenConfirmsTheUser) {
    enterMit();
    Buffer cnpj(33), ie(21), im(21), number(11), date(9), time(9);
    EXPECT_EQ(KORVA_Confirm_FiscalizeEX(cnpj.data(), ie.data(), im.data(), number.data(),
                                        date.data(), time.data()),
              KORVA_ERRO_COMANDO)
        << "nothing recorded yet";
    ASSERT_EQ(KORVA_FiscalizeEX("11222333000181", "110042490114", "4455", "", "03", "02"),
              KORVA_OK);
    ASSERT_EQ(KORVA_Confirm_FiscalizeEX(cnpj.data(), ie.data(), im.data(), number.data(),
                                        date.data(), time.data()),
              KORVA_OK);
    EXPECT_NE(cnpj.text().find("11"), std::string::npos);
    EXPECT_NE(ie.text().find("110042490114"), std::string::npos);
    EXPECT_EQ(im.text(), "4455");
    EXPECT_EQ(date.text().size(), 8u);
    EXPECT_EQ(time.text().size(), 6u);
    Buffer user(KORVA_TAM_NUMERO_USUARIO);
    ASSERT_EQ(KORVA_Obter_Numero_Usuario(user.data()), KORVA_OK);
    EXPECT_EQ(user.text(), number.text());
    EXPECT_NE(user.text(), "0");
    for (const Buffer* b : {&cnpj, &ie, &im, &number, &date, &time, &user}) {
        EXPECT_TRUE(b->canaryIntact());
    }
}

TEST_F(EntryPointReports, SignatureKeyStepsNeedALoadedKey) {
    enterMit();
    EXPECT_EQ(KORVA_Enable_DS_Key(), KORVA_ERRO_COMANDO);
    Buffer key(KORVA_TAM_CHAVE_PUBLICA);
    EXPECT_EQ(KORVA_Get_DS_Key(key.data()), KORVA_ERRO_COMANDO);
    EXPECT_EQ(key.text(), "");
    EXPECT_EQ(lastStatus().returnCode(), "0e34");
    Buffer a(33), b(21), c(21), d(11), e(9);
    EXPECT_EQ(KORVA_Set_DS_KeyEX("0123", a.data(), b.data(), c.data(), d.data(), e.data()),
              KORVA_ERRO_COMANDO);
    EXPECT_EQ(lastStatus().returnCode(), "0e30") << "not 520 hexadecimal characters";
}

std::string mfdSerial() {
    Buffer data(KORVA_TAM_DADOS_IMPRESSORA);
    EXPECT_EQ(KORVA_Obter_Dados_Impressora(data.data()), KORVA_OK);
    return data.all().substr(20, 20);
}

TEST_F(EntryPointReports, NewDetailMemoryNeedsTechnicalIntervention) {
    const std::string before = mfdSerial();
    leaveMit();
    EXPECT_EQ(KORVA_Iniciar_Nova_MFD(), KORVA_ERRO_COMANDO);
    EXPECT_EQ(lastStatus().returnCode(), "0e01");
    EXPECT_EQ(mfdSerial(), before);
    enterMit();
    EXPECT_EQ(KORVA_Iniciar_Nova_MFD(), KORVA_OK);
    EXPECT_NE(mfdSerial(), before);
}

// An update line: ":" and hexadecimal bytes whose sum, checksum included, is 0 modulo 256.
std::string updateLine(std::initializer_list<unsigned> bytes) {
    static const char* const hex = "0123456789ABCDEF";
    std::string line = ":";
    unsigned sum = 0;
    const auto put = [&](unsigned byte) {
        line += hex[(byte >> 4) & 0xF];
        line += hex[byte & 0xF];
        sum += byte;
    };
    for (unsigned byte : bytes) {
        put(byte);
    }
    put((256 - sum % 256) % 256);
    return line;
}

TEST_F(EntryPointReports, UpdateLinesGoThroughTheBinaryEntryPointUnchanged) {
    enterMit();
    const std::string before = raw("0566|0000").text;
    ASSERT_EQ(KORVA_Send_From_File("056B|0000|00.12 BRF"), KORVA_OK);
    ASSERT_EQ(KORVA_Send_From_File("0560|0000"), KORVA_OK);
    ASSERT_EQ(KORVA_Send_From_File_Bin(("0563|0000|" + updateLine({1, 2})).c_str()), KORVA_OK);
    ASSERT_EQ(KORVA_Send_From_File_Bin(("0562|0000|" + updateLine({0xAA, 0xBB})).c_str()),
              KORVA_OK);
    EXPECT_EQ(KORVA_Send_From_File_Bin("0562|0000|:0102"), KORVA_ERRO_COMANDO);
    EXPECT_EQ(lastStatus().returnCode(), "0f06") << "a line whose sum is wrong";
    ASSERT_EQ(KORVA_Send_From_File("056C|0000|00.12 BRF"), KORVA_OK);
    ASSERT_EQ(KORVA_Send_From_File("056A|0000"), KORVA_OK);
    const std::string after = raw("0566|0000").text;
    EXPECT_NE(after, before);
    EXPECT_EQ(after, "4.00.13 BRF");
}

} // namespace
} // namespace korva::test
