// The plan lines of the four tables and the collection that precedes them, word for word.
#include "core/features/tables/TablePlan.h"
#include "TableRecordsTestHelpers.h"
#include "TestDoubles.h"

#include <gtest/gtest.h>

namespace morvelan::tables::test {
namespace {

using morvelan::test::RecordingPrompts;

PaymentRequest paymentsWith(const std::vector<std::pair<std::string, bool>>& rows) {
    PaymentRequest record{};
    for (std::size_t row = 0; row < rows.size(); ++row) {
        setName(record.rows[row].name, rows[row].first);
        record.rows[row].linked = rows[row].second ? 1 : 0;
    }
    return record;
}

TEST(TablePaymentPlan, LinesAndRowFlagsForEachKindOfChange) {
    const PaymentRequest printer =
        paymentsWith({{"Dinheiro", false}, {"Cheque", false}, {"Cartao", true}, {"Ticket", false}});
    PaymentRequest edited = paymentsWith({{"Dinheiro", false},
                                          {"  Cheque ", false}, // blanks alone are no change
                                          {"Cartao", false},    // only the box changed
                                          {"", false},
                                          {"Pix", true}});
    EXPECT_EQ(paymentPlanLines(printer, edited),
              "O meio de pagamento [ 03 - Cartao ( Vínculado ) ] SERÁ SUBSTITUÍDO POR [ 03 - "
              "Cartao ( Não Vínculado ) ]\n"
              "O meio de pagamento [ 04 - Ticket ( Não Vínculado ) ] SERÁ APAGADO\n"
              "O meio de pagamento [ 05 - Pix ( Vínculado ) ] SERÁ CADASTRADO\n");
    EXPECT_EQ(edited.flags[1].remove + edited.flags[1].register_, 0);
    EXPECT_EQ(edited.flags[2].remove, 1);
    EXPECT_EQ(edited.flags[2].register_, 1);
    EXPECT_EQ(edited.flags[3].remove, 1);
    EXPECT_EQ(edited.flags[3].register_, 0);
    EXPECT_EQ(edited.flags[4].remove, 0);
    EXPECT_EQ(edited.flags[4].register_, 1);
}

TEST(TablePaymentPlan, RowOneIsNeverPlannedWhateverTheFormHolds) {
    const PaymentRequest printer = paymentsWith({{"Dinheiro", false}});
    PaymentRequest edited = paymentsWith({{"Outro", true}});
    EXPECT_EQ(paymentPlanLines(printer, edited), "");
    EXPECT_EQ(edited.flags[0].remove + edited.flags[0].register_, 0);
}

TEST(TablePaymentPlan, CollectingCutsNamesAndDropsTheBoxOfEmptyRows) {
    FormRows rows(20);
    rows[1] = {"Cartao de credito longo", true, -1};
    rows[2] = {"   ", true, -1};
    PaymentRequest edited{};
    collectPayments(rows, edited);
    EXPECT_EQ(fieldText(edited.rows[1].name), "Cartao de credi");
    EXPECT_EQ(edited.rows[1].linked, 1);
    EXPECT_EQ(fieldText(edited.rows[2].name), "");
    EXPECT_EQ(edited.rows[2].linked, 0);
}

TEST(TableReportPlan, DeletingInTheMiddleRenumbersTheFollowingReports) {
    RecordingPrompts prompts;
    prompts.answers = {true};
    ReportRequest edited{};
    ASSERT_EQ(collectNamed(formRows({"Configuração", "Vendas", "", "Estoque", "Caixa"}),
                           edited.names, kReportTable, prompts),
              Collected::Ready);
    ASSERT_EQ(prompts.messages.size(), 1U);
    EXPECT_EQ(prompts.messages[0].title, "Alerta Morvelan");
    EXPECT_EQ(prompts.messages[0].text,
              "Os relatórios gerenciais devem estar em sequencia.\n"
              "Por este motivo, a tabela deve ser reordenada.\n"
              "Segue abaixo a nova ordenação:\n\n"
              "[ 01 - Configuração ]\n[ 02 - Vendas ]\n[ 03 - Estoque ]\n[ 04 - Caixa ]\n"
              "\n\nDeseja realmente efetuar esta operação?");

    const ReportRequest printer =
        reportsWith({"Configuração", "Vendas", "Sangria", "Estoque", "Caixa"});
    EXPECT_EQ(namedPlanLines(printer.names, edited.names, kReportTable),
              "O relatório gerencial ( 03 ) [ Sangria ] SERÁ SUBSTITUÍDO POR [ Estoque ]\n"
              "O relatório gerencial ( 04 ) [ Estoque ] SERÁ SUBSTITUÍDO POR [ Caixa ]\n"
              "O relatório gerencial ( 05 ) [ Caixa ] SERÁ APAGADO\n");
}

TEST(TableReportPlan, UnmovedRowsAskNothingAndNoAnswerStopsTheSend) {
    RecordingPrompts prompts;
    ReportRequest edited{};
    EXPECT_EQ(
        collectNamed(formRows({"Configuração", "Vendas"}), edited.names, kReportTable, prompts),
        Collected::Ready);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(namedPlanLines(edited.names, edited.names, kReportTable), "");

    ReportRequest moved{};
    EXPECT_EQ(
        collectNamed(formRows({"Configuração", "", "Vendas"}), moved.names, kReportTable, prompts),
        Collected::Cancelled);
    EXPECT_EQ(prompts.messages.size(), 1U);
}

TEST(TableNonFiscalPlan, TheFirstAddedTotalizerBecomesThree) {
    RecordingPrompts prompts;
    prompts.answers = {true};
    NonFiscalRequest edited{};
    ASSERT_EQ(collectNamed(formRows({"Sangria", "Fundo de Troco", "", "", "Recarga"}), edited.names,
                           kNonFiscalTable, prompts),
              Collected::Ready);
    ASSERT_EQ(prompts.messages.size(), 1U);
    EXPECT_TRUE(prompts.messages[0].text.starts_with(
        "Os Totalizadores Não-Fiscais devem estar em sequencia.\n"));
    EXPECT_NE(prompts.messages[0].text.find("[ 03 - Recarga ]\n"), std::string::npos);

    const ReportRequest printer = reportsWith({"Sangria", "Fundo de Troco"});
    EXPECT_EQ(namedPlanLines(printer.names, edited.names, kNonFiscalTable),
              "O Totalizador Não-Fiscal ( 03 ) [ Recarga ] SERÁ CADASTRADO\n");
}

TEST(TableTaxRatePlan, AnIssqnRateBeforeAnIcmsRateIsReorderedAndCoded) {
    RecordingPrompts prompts;
    prompts.answers = {true};
    FormRows rows(18);
    rows[0] = {"0500", false, 1};
    rows[1] = {"1800", false, 0};
    rows[2] = {"", false, 0}; // a type without a rate is no row
    TaxRateRequest edited{};
    ASSERT_EQ(collectTaxRates(rows, edited, prompts), Collected::Ready);
    EXPECT_EQ(fieldText(edited.codes[0]), "Ta");
    EXPECT_EQ(fieldText(edited.rates[0]), "1800");
    EXPECT_EQ(edited.types[0], 0);
    EXPECT_EQ(fieldText(edited.codes[1]), "Sa");
    EXPECT_EQ(edited.types[1], 1);
    EXPECT_EQ(fieldText(edited.codes[2]), "");
    ASSERT_EQ(prompts.messages.size(), 1U);
    EXPECT_EQ(prompts.messages[0].text,
              "As alíquotas devem estar em sequencia.\n"
              "Por este motivo, a tabela deve ser reordenada.\n"
              "Segue abaixo a nova ordenação:\n\n[ Ta - 1800 ]\n[ Sa - 0500 ]\n"
              "\n\nDeseja realmente efetuar esta operação?");

    EXPECT_EQ(taxRatePlanLines(TaxRateRequest{}, edited),
              "A alíquota [ Ta - 1800 ] SERÁ CADASTRADA\n"
              "A alíquota [ Sa - 0500 ] SERÁ CADASTRADA\n");
}

TEST(TableTaxRatePlan, RateWithoutTypeIsReportedOnceAndRefused) {
    RecordingPrompts prompts;
    FormRows rows(18);
    rows[0] = {"1800", false, 0};
    rows[1] = {"0700", false, -1};
    TaxRateRequest edited{};
    EXPECT_EQ(collectTaxRates(rows, edited, prompts), Collected::Refused);
    ASSERT_EQ(prompts.messages.size(), 1U);
    EXPECT_EQ(prompts.messages[0].title, "Erro Morvelan");
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Error);
    EXPECT_EQ(prompts.messages[0].text, "Aliquota [ 0700 ] não tem nenhum tipo selecionado.\n");
}

TEST(TableTaxRatePlan, ReplacementDeletionAndAdditionFollowTheCursor) {
    const TaxRateRequest printer = ratesWith({{"Ta", "1800"}, {"Tb", "1200"}, {"Sa", "0500"}});
    EXPECT_EQ(taxRatePlanLines(printer, printer), "");
    const TaxRateRequest edited = ratesWith({{"Ta", "1700"}, {"Sa", "0500"}, {"Sb", "0300"}});
    EXPECT_EQ(taxRatePlanLines(printer, edited),
              "A alíquota [ Ta - 1800 ] SERÁ SUBSTITUÍDO POR [ Ta - 1700 ]\n"
              "A alíquota [ Tb - 1200 ] SERÁ APAGADA\n"
              "A alíquota [ Sb - 0300 ] SERÁ CADASTRADA\n");
}

TEST(TableTaxRatePlan, AFullEditedTableStillReportsThePrintersLeftoverRates) {
    // Ten ICMS rates on the printer, eight kept, and ten ISSQN rates: no empty row is left for
    // the deletions, which must still be planned without mistaking the kept ISSQN rates for new.
    std::vector<Rate> onPrinter, wanted;
    for (char c = 'a'; c < 'a' + 10; ++c) {
        onPrinter.push_back({std::string{'T', c}, "1000"});
        if (c < 'a' + 8) {
            wanted.push_back({std::string{'T', c}, "1000"});
        }
    }
    onPrinter.push_back({"Sa", "0200"});
    onPrinter.push_back({"Sb", "0300"});
    for (char c = 'a'; c < 'a' + 10; ++c) {
        wanted.push_back({std::string{'S', c}, c == 'a' ? "0200" : c == 'b' ? "0300" : "0400"});
    }
    const std::string lines = taxRatePlanLines(ratesWith(onPrinter), ratesWith(wanted));
    EXPECT_TRUE(lines.starts_with("A alíquota [ Ti - 1000 ] SERÁ APAGADA\n"
                                  "A alíquota [ Tj - 1000 ] SERÁ APAGADA\n"
                                  "A alíquota [ Sc - 0400 ] SERÁ CADASTRADA\n"))
        << lines;
    EXPECT_EQ(lines.find("[ Sa - 0200 ]"), std::string::npos) << lines;
    EXPECT_NE(lines.find("[ Sj - 0400 ] SERÁ CADASTRADA\n"), std::string::npos) << lines;
}

} // namespace
} // namespace morvelan::tables::test
