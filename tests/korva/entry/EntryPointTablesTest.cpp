// The four tables: registered and deleted entries show in the fixed-width readings.
#include "EntryPointFixture.h"

namespace korva::test {
namespace {

using EntryPointTables = EntryPointTest;

std::string entryOf(const Buffer& table, std::size_t width, int number) {
    return table.all().substr(static_cast<std::size_t>(number - 1) * width, width);
}

TEST_F(EntryPointTables, TaxRatesAreListedInCodeOrderWithTotals) {
    enterMit();
    ASSERT_EQ(KORVA_Config_Aliquota("1800", 0), KORVA_OK);
    ASSERT_EQ(KORVA_Config_Aliquota("0500", 1), KORVA_OK);
    ASSERT_EQ(KORVA_Config_Aliquota("0700", 0), KORVA_OK);
    Buffer table(KORVA_TAM_ALIQUOTAS);
    ASSERT_EQ(KORVA_Obter_Tabela_Aliquotas(table.data()), KORVA_OK);
    const std::string zeros(17, '0');
    EXPECT_EQ(table.text(), "Ta1800" + zeros + "Tb0700" + zeros + "Sa0500" + zeros);
    EXPECT_TRUE(table.canaryIntact());

    ASSERT_EQ(KORVA_Excluir_Aliquota("Ta"), KORVA_OK);
    EXPECT_EQ(KORVA_Excluir_Aliquota("Ta"), KORVA_ERRO_COMANDO);
    EXPECT_EQ(lastStatus().returnCode(), "090f");
    Buffer after(KORVA_TAM_ALIQUOTAS);
    ASSERT_EQ(KORVA_Obter_Tabela_Aliquotas(after.data()), KORVA_OK);
    EXPECT_EQ(after.text(), "Tb0700" + zeros + "Sa0500" + zeros);
}

TEST_F(EntryPointTables, PaymentMethodsFillTwentyEntriesByNumber) {
    enterMit();
    ASSERT_EQ(KORVA_Config_Forma_Pagamento(1, "05", "CARTAO"), KORVA_OK);
    ASSERT_EQ(KORVA_Config_Forma_Pagamento(0, "02", "CHEQUE"), KORVA_OK);
    Buffer table(KORVA_TAM_PAGAMENTOS);
    ASSERT_EQ(KORVA_Obter_Tabela_Pagamentos(table.data()), KORVA_OK);
    const std::string total(26, '0');
    EXPECT_EQ(entryOf(table, 44, 1), "01Dinheiro       " + total + "N");
    EXPECT_EQ(entryOf(table, 44, 2), "02CHEQUE         " + total + "N");
    EXPECT_EQ(entryOf(table, 44, 5), "05CARTAO         " + total + "S");
    EXPECT_EQ(entryOf(table, 44, 20), "20               " + total + "N");
    EXPECT_TRUE(table.canaryIntact()) << "exactly 880 characters, no terminating zero";

    ASSERT_EQ(KORVA_Excluir_Forma_Pagamento("05"), KORVA_OK);
    EXPECT_EQ(KORVA_Excluir_Forma_Pagamento("05"), KORVA_ERRO_COMANDO);
    EXPECT_EQ(lastStatus().returnCode(), "050e") << "third-generation printer";
    Buffer after(KORVA_TAM_PAGAMENTOS);
    ASSERT_EQ(KORVA_Obter_Tabela_Pagamentos(after.data()), KORVA_OK);
    EXPECT_EQ(entryOf(after, 44, 5), "05               " + total + "N");
}

TEST_F(EntryPointTables, NonFiscalTotalizerGetsTheNextNumber) {
    enterMit();
    int number = 0;
    ASSERT_EQ(KORVA_Config_Totalizador_NaoFiscal("SUPRIMENTO", &number), KORVA_OK);
    EXPECT_EQ(number, 3);
    ASSERT_EQ(KORVA_Config_Totalizador_NaoFiscal("TROCO", nullptr), KORVA_OK)
        << "the number is optional";
    Buffer table(KORVA_TAM_NAO_FISCAIS);
    ASSERT_EQ(KORVA_Obter_Tabela_NaoFiscais(table.data()), KORVA_OK);
    const std::string total(17, '0');
    EXPECT_EQ(entryOf(table, 34, 1), "01Sangria        " + total);
    EXPECT_EQ(entryOf(table, 34, 3), "03SUPRIMENTO     " + total);
    EXPECT_EQ(entryOf(table, 34, 4), "04TROCO          " + total);
    EXPECT_TRUE(table.canaryIntact());

    ASSERT_EQ(KORVA_Excluir_NaoFiscal("03"), KORVA_OK);
    EXPECT_EQ(KORVA_Excluir_NaoFiscal("03"), KORVA_ERRO_COMANDO);
    EXPECT_EQ(lastStatus().returnCode(), "0e15");
}

TEST_F(EntryPointTables, ManagerialReportsCountTheirIssues) {
    enterMit();
    ASSERT_EQ(KORVA_Config_Relatorio_Gerencial("FECHAMENTO"), KORVA_OK);
    Buffer table(KORVA_TAM_RELATORIOS);
    ASSERT_EQ(KORVA_Obter_Tabela_Relatorios_Gerenciais(table.data()), KORVA_OK);
    EXPECT_EQ(entryOf(table, 21, 2), "02FECHAMENTO     0000");
    EXPECT_EQ(entryOf(table, 21, 3), "03               0000");
    EXPECT_TRUE(table.canaryIntact());

    ASSERT_EQ(KORVA_Excluir_Relatorio_Gerencial("02"), KORVA_OK);
    EXPECT_EQ(KORVA_Excluir_Relatorio_Gerencial("02"), KORVA_ERRO_COMANDO);
    EXPECT_EQ(lastStatus().returnCode(), "0e17");
}

TEST_F(EntryPointTables, TableChangesOutsideTechnicalInterventionAreRefused) {
    leaveMit();
    EXPECT_EQ(KORVA_Config_Aliquota("1800", 0), KORVA_ERRO_COMANDO);
    EXPECT_EQ(lastStatus().returnCode(), "0e01");
    EXPECT_EQ(KORVA_Config_Relatorio_Gerencial("X"), KORVA_ERRO_COMANDO);
    Buffer table(KORVA_TAM_RELATORIOS);
    ASSERT_EQ(KORVA_Obter_Tabela_Relatorios_Gerenciais(table.data()), KORVA_OK);
    EXPECT_EQ(entryOf(table, 21, 2), "02               0000");
}

} // namespace
} // namespace korva::test
