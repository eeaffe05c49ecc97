// Every reading entry point lays out what the printer answers to its reading command, within its
// documented buffer.
#include "EntryPointFixture.h"

#include "Models.h"

namespace korva::test {
namespace {

std::string padded(const std::string& text, std::size_t width) {
    std::string result = text.substr(0, width);
    result.resize(width, ' ');
    return result;
}

using EntryPointReadings = EntryPointTest;

TEST_F(EntryPointReadings, PrinterDataIsSixBlankPaddedFieldsFillingTheBuffer) {
    const RawAnswer answer = raw("0003|0000");
    ASSERT_EQ(answer.result, KORVA_OK);
    ASSERT_EQ(answer.fields.size(), 6u);
    Buffer data(KORVA_TAM_DADOS_IMPRESSORA);
    ASSERT_EQ(KORVA_Obter_Dados_Impressora(data.data()), KORVA_OK);
    std::string expected;
    for (std::size_t i = 0; i < 5; ++i) {
        expected += padded(answer.fields[i], 20);
    }
    expected += padded(answer.fields[5], 8);
    EXPECT_EQ(data.all(), expected);
    EXPECT_EQ(data.all().substr(60, 14), "QP-R4100 MKIII");
    EXPECT_TRUE(data.canaryIntact());
}

TEST_F(EntryPointReadings, HeaderLinesArePaddedToTheLineWidthOfTheModel) {
    for (const char* key : {"qp-r4100-mkiii", "qp-l30"}) {
        SCOPED_TRACE(key);
        const ModelProfile* profile = findModel(key);
        ASSERT_NE(profile, nullptr);
        writeState(freshPrinter(*profile));
        enterMit();
        ASSERT_EQ(KORVA_Configurar_Usuario("LOJA", "RUA A", "", "CIDADE", "002", "0031"), KORVA_OK);
        const std::size_t width = profile->thirdGeneration ? 56 : 40;
        Buffer lines(KORVA_TAM_CLICHE);
        ASSERT_EQ(KORVA_Obter_Cliche_Usuario(lines.data()), KORVA_OK);
        EXPECT_EQ(lines.text(), padded("LOJA", width) + padded("RUA A", width) + padded("", width) +
                                    padded("CIDADE", width));
        EXPECT_TRUE(lines.canaryIntact());
        Buffer ecfStore(KORVA_TAM_ECF_LOJA);
        ASSERT_EQ(KORVA_Obter_Numero_ECF_Loja(ecfStore.data()), KORVA_OK);
        EXPECT_EQ(ecfStore.text(), "0020031");
    }
}

TEST_F(EntryPointReadings, FiscalDayIsTheThirteenFieldsAtTheirWidths) {
    ASSERT_EQ(KORVA_RelatorioFiscal_LeituraX(), KORVA_OK);
    const RawAnswer answer = raw("000E|0000");
    ASSERT_EQ(answer.result, KORVA_OK);
    ASSERT_EQ(answer.fields.size(), 13u);
    std::string expected;
    for (const std::string& f : answer.fields) {
        expected += f;
    }
    ASSERT_EQ(expected.size(), 67u) << "the printer's own fields already have their widths";
    Buffer day(KORVA_TAM_JORNADA);
    ASSERT_EQ(KORVA_Obter_Dados_Jornada(day.data()), KORVA_OK);
    EXPECT_EQ(day.text(), expected);
    EXPECT_TRUE(day.canaryIntact());
}

TEST_F(EntryPointReadings, SmallReadingsFollowTheStateTheyRead) {
    editState([](PrinterState& s) {
        s.currency = "US$";
        s.operatorName = "MARIA DA SILVA";
        s.issqnDiscount = true;
        s.quantityDecimals = 2;
        s.priceDecimals = 3;
        s.rounds = true;
        s.ownManufacture = false;
        s.microswitches = 0x0045;
        s.daylightSaving = true;
    });
    Buffer symbol(KORVA_TAM_SIMBOLO_MOEDA), discount(KORVA_TAM_DESCONTO_ISS),
        decimals(KORVA_TAM_CASAS_DECIMAIS), name(KORVA_TAM_OPERADOR), rounds(KORVA_TAM_SIM_NAO),
        own(KORVA_TAM_SIM_NAO), user(KORVA_TAM_NUMERO_USUARIO);
    EXPECT_EQ(KORVA_Obter_Simbolo_Moeda(symbol.data()), KORVA_OK);
    EXPECT_EQ(symbol.text(), "US$");
    EXPECT_EQ(KORVA_Obter_Desconto_Iss(discount.data()), KORVA_OK);
    EXPECT_EQ(discount.text(), "S");
    EXPECT_EQ(KORVA_Obter_Casas_Decimais(decimals.data()), KORVA_OK);
    EXPECT_EQ(decimals.text(), "02|03");
    EXPECT_EQ(KORVA_Obter_Operador(name.data()), KORVA_OK);
    EXPECT_EQ(name.text(), "MARIA DA SILVA");
    EXPECT_EQ(KORVA_Obter_Arredonda_Trunca_Fabricacao(rounds.data(), own.data()), KORVA_OK);
    EXPECT_EQ(rounds.text() + own.text(), "SN");
    EXPECT_EQ(KORVA_Obter_Numero_Usuario(user.data()), KORVA_OK);
    EXPECT_EQ(user.text(), "0");
    unsigned short switches = 0;
    EXPECT_EQ(KORVA_Obter_Estado_Microchaves(&switches), KORVA_OK);
    EXPECT_EQ(switches, 0x0045);
    int daylight = -1;
    EXPECT_EQ(KORVA_Obter_Estado_Horario_Verao(&daylight), KORVA_OK);
    EXPECT_EQ(daylight, 1);
    for (const Buffer* b : {&symbol, &discount, &decimals, &name, &rounds, &own, &user}) {
        EXPECT_TRUE(b->canaryIntact());
    }
}

TEST_F(EntryPointReadings, ClockIsDateThenTime) {
    const RawAnswer before = raw("0002|0000");
    Buffer clock(KORVA_TAM_HORA_RELOGIO);
    ASSERT_EQ(KORVA_Obter_Hora_Relogio(clock.data()), KORVA_OK);
    const RawAnswer after = raw("0002|0000");
    ASSERT_EQ(before.fields.size(), 2u);
    ASSERT_EQ(after.fields.size(), 2u);
    ASSERT_EQ(clock.text().size(), 14u);
    // The clock may tick between the readings: the entry point's instant lies between them.
    const auto chronological = [](const std::string& t) {
        return t.substr(4, 4) + t.substr(2, 2) + t.substr(0, 2) + t.substr(8);
    };
    EXPECT_LE(chronological(before.fields[0] + before.fields[1]), chronological(clock.text()));
    EXPECT_LE(chronological(clock.text()), chronological(after.fields[0] + after.fields[1]));
    EXPECT_TRUE(clock.canaryIntact());
}

TEST_F(EntryPointReadings, EventLogHoldsAtMostTenRecordsAndCountsItsCharacters) {
    enterMit();
    for (int i = 10; i < 22; ++i) {
        ASSERT_EQ(KORVA_Ajustar_Relogio("01012027", ("1200" + std::to_string(i)).c_str(), 1),
                  KORVA_OK);
    }
    const RawAnswer answer = raw("000F|0000");
    EXPECT_EQ(answer.fields.size(), 10u) << "the printer keeps the ten most recent";
    ASSERT_EQ(answer.result, KORVA_OK);
    Buffer log(KORVA_TAM_LOG), count(KORVA_TAM_LOG_CONTADOR);
    ASSERT_EQ(KORVA_Obter_Log_Comandos(log.data(), count.data()), KORVA_OK);
    std::string expected;
    for (std::size_t i = 0; i < answer.fields.size() && i < 10; ++i) {
        expected += answer.fields[i];
    }
    EXPECT_EQ(log.text(), expected);
    EXPECT_EQ(log.text().size() % 27, 0u);
    EXPECT_LE(log.text().size(), 270u);
    EXPECT_FALSE(log.text().empty());
    EXPECT_EQ(count.text(), std::to_string(log.text().size()));
    EXPECT_TRUE(log.canaryIntact());
    EXPECT_TRUE(count.canaryIntact());
}

TEST_F(EntryPointReadings, UserDataArePaddedToTheirSlots) {
    enterMit();
    ASSERT_EQ(KORVA_FiscalizeEX("11222333000181", "110042490114", "", "", "03", "02"), KORVA_OK);
    Buffer cnpj(33), ie(21), im(21), number(11), date(9), time(9);
    ASSERT_EQ(KORVA_Confirm_FiscalizeEX(cnpj.data(), ie.data(), im.data(), number.data(),
                                        date.data(), time.data()),
              KORVA_OK);
    Buffer data(KORVA_TAM_DADOS_USUARIO);
    ASSERT_EQ(KORVA_Obter_Dados_Usuario(data.data()), KORVA_OK);
    const RawAnswer answer = raw("0004|0000");
    ASSERT_EQ(answer.fields.size(), 3u);
    EXPECT_EQ(data.text(), padded(answer.fields[0], 18) + padded(answer.fields[1], 15) +
                               padded(answer.fields[2], 15));
    EXPECT_NE(data.text().find("110042490114"), std::string::npos);
    EXPECT_TRUE(data.canaryIntact());
}

} // namespace
} // namespace korva::test
