// Setting entry points change what the printer reads back, exactly as their raw commands do.
#include "EntryPointFixture.h"

namespace korva::test {
namespace {

using EntryPointSettings = EntryPointTest;

// Reading entry points that show the settings, all in one text to compare printers by.
std::string settingsSeen() {
    Buffer lines(KORVA_TAM_CLICHE), ecf(KORVA_TAM_ECF_LOJA), symbol(KORVA_TAM_SIMBOLO_MOEDA),
        discount(KORVA_TAM_DESCONTO_ISS), operatorName(KORVA_TAM_OPERADOR),
        decimals(KORVA_TAM_CASAS_DECIMAIS), rounds(KORVA_TAM_SIM_NAO), own(KORVA_TAM_SIM_NAO);
    int daylight = -1;
    EXPECT_EQ(KORVA_Obter_Cliche_Usuario(lines.data()), KORVA_OK);
    EXPECT_EQ(KORVA_Obter_Numero_ECF_Loja(ecf.data()), KORVA_OK);
    EXPECT_EQ(KORVA_Obter_Simbolo_Moeda(symbol.data()), KORVA_OK);
    EXPECT_EQ(KORVA_Obter_Desconto_Iss(discount.data()), KORVA_OK);
    EXPECT_EQ(KORVA_Obter_Operador(operatorName.data()), KORVA_OK);
    EXPECT_EQ(KORVA_Obter_Casas_Decimais(decimals.data()), KORVA_OK);
    EXPECT_EQ(KORVA_Obter_Arredonda_Trunca_Fabricacao(rounds.data(), own.data()), KORVA_OK);
    EXPECT_EQ(KORVA_Obter_Estado_Horario_Verao(&daylight), KORVA_OK);
    return lines.text() + "/" + ecf.text() + "/" + symbol.text() + "/" + discount.text() + "/" +
           operatorName.text() + "/" + decimals.text() + "/" + rounds.text() + own.text() + "/" +
           std::to_string(daylight);
}

TEST_F(EntryPointSettings, EachSettingIsReadBack) {
    enterMit();
    ASSERT_EQ(KORVA_Configurar_Usuario("\x1b"
                                       "1LOJA",
                                       "RUA B", "", "", "007", "0012"),
              KORVA_OK);
    ASSERT_EQ(KORVA_Configurar_Simbolo_Moeda("R$"), KORVA_OK);
    ASSERT_EQ(KORVA_Configurar_Desconto_ISS(1), KORVA_OK);
    ASSERT_EQ(KORVA_Config_Operador("JO\xC3O"), KORVA_OK);
    ASSERT_EQ(KORVA_Config_Casas_Decimais("2", "03"), KORVA_OK);
    ASSERT_EQ(KORVA_Config_Arredonda_Trunca_Fabricacao("A", "S"), KORVA_OK);
    ASSERT_EQ(KORVA_Config_Horario_Verao(), KORVA_OK);
    const std::string seen = settingsSeen();
    EXPECT_EQ(seen.substr(0, 6), "\x1b"
                                 "1LOJA");
    EXPECT_NE(seen.find("/0070012/R$/S/JO\xC3O/02|03/SS/1"), std::string::npos) << seen;

    ASSERT_EQ(KORVA_Config_Horario_Verao(), KORVA_OK);
    int daylight = -1;
    ASSERT_EQ(KORVA_Obter_Estado_Horario_Verao(&daylight), KORVA_OK);
    EXPECT_EQ(daylight, 0) << "the second toggle leaves daylight-saving time";
}

TEST_F(EntryPointSettings, EntryPointsAndRawCommandsHaveTheSameEffect) {
    enterMit();
    ASSERT_EQ(KORVA_Configurar_Usuario("LOJA X", "", "", "", "003", "0004"), KORVA_OK);
    ASSERT_EQ(KORVA_Configurar_Simbolo_Moeda("US$"), KORVA_OK);
    ASSERT_EQ(KORVA_Configurar_Desconto_ISS(1), KORVA_OK);
    ASSERT_EQ(KORVA_Config_Operador("ANA"), KORVA_OK);
    ASSERT_EQ(KORVA_Config_Casas_Decimais("3", "3"), KORVA_OK);
    ASSERT_EQ(KORVA_Config_Arredonda_Trunca_Fabricacao("T", "S"), KORVA_OK);
    ASSERT_EQ(KORVA_Config_Horario_Verao(), KORVA_OK);
    const std::string byEntryPoints = settingsSeen();

    SetUp();
    enterMit();
    for (const char* line : {"0103|0000|LOJA X||||003|0004", "0104|0000|US$", "0106|0000|1",
                             "0107|0000|ANA", "0109|0000|3|3", "010A|0000|T|S", "0102|0000"}) {
        ASSERT_EQ(KORVA_Send_From_File(line), KORVA_OK) << line;
    }
    EXPECT_EQ(settingsSeen(), byEntryPoints);
}

TEST_F(EntryPointSettings, ClockAndSerialSpeedNeedTechnicalIntervention) {
    leaveMit();
    EXPECT_EQ(KORVA_Ajustar_Relogio("15062026", "101500", 1), KORVA_ERRO_COMANDO);
    EXPECT_EQ(lastStatus().returnCode(), "0e01");
    EXPECT_EQ(KORVA_Config_Serial_Impressora("19200"), KORVA_ERRO_COMANDO);

    enterMit();
    ASSERT_EQ(KORVA_Ajustar_Relogio("15062026", "101500", 1), KORVA_OK);
    Buffer clock(KORVA_TAM_HORA_RELOGIO);
    ASSERT_EQ(KORVA_Obter_Hora_Relogio(clock.data()), KORVA_OK);
    EXPECT_EQ(clock.text().substr(0, 12), "150620261015");
    ASSERT_EQ(KORVA_Config_Serial_Impressora("19200"), KORVA_OK);
    EXPECT_EQ(readState().pendingSerialSpeed, 19200);
}

TEST_F(EntryPointSettings, ForcedClockSettingEntersTechnicalIntervention) {
    leaveMit();
    ASSERT_FALSE(readState().mit);
    ASSERT_EQ(KORVA_Ajustar_Relogio("01012000", "000001", 0), KORVA_OK);
    EXPECT_TRUE(readState().mit);
}

TEST_F(EntryPointSettings, MunicipalRegistrationIsAddedToTheUser) {
    enterMit();
    EXPECT_EQ(KORVA_Config_Adiciona_IM("998877"), KORVA_ERRO_COMANDO) << "no user yet";
    ASSERT_EQ(KORVA_FiscalizeEX("11222333000181", "110042490114", "", "", "03", "02"), KORVA_OK);
    Buffer a(33), b(21), c(21), d(11), e(9), f(9);
    ASSERT_EQ(KORVA_Confirm_FiscalizeEX(a.data(), b.data(), c.data(), d.data(), e.data(), f.data()),
              KORVA_OK);
    enterMit();
    ASSERT_EQ(KORVA_Config_Adiciona_IM("998877"), KORVA_OK);
    Buffer user(KORVA_TAM_DADOS_USUARIO);
    ASSERT_EQ(KORVA_Obter_Dados_Usuario(user.data()), KORVA_OK);
    EXPECT_EQ(user.text().substr(33, 6), "998877");
}

} // namespace
} // namespace korva::test
