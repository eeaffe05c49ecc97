// The table module against the scripted fake library: which calls the bodies make, the clear
// messages, and the readings of odd replies.
#include "EngineFixture.h"
#include "TableRecordsTestHelpers.h"
#include "core/features/tables/ChangePlan.h"
#include "core/features/tables/TableClear.h"
#include "core/features/tables/TableEditor.h"
#include "core/features/tables/TablePlan.h"
#include "core/features/tables/TableWrites.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace morvelan::tables::test {
namespace {

using morvelan::test::FakeLibrary;

// Fiscal word D000: fiscalized and in technical intervention.
constexpr const char* kMitStatus = "000000000000D0000000";

std::string statusWithCode(const std::string& code) {
    return std::string("000000000000D000") + code;
}

std::string paymentReply(const std::vector<std::pair<std::string, bool>>& rows) {
    std::string reply;
    for (int n = 1; n <= 20; ++n) {
        const auto row = static_cast<std::size_t>(n - 1);
        const std::string name = row < rows.size() ? rows[row].first : "";
        const bool linked = row < rows.size() && rows[row].second;
        reply += twoDigits(n) + name + std::string(15 - name.size(), ' ') + std::string(26, '0') +
                 (linked ? "S" : "N");
    }
    return reply;
}

class TableFakeLibrary : public morvelan::test::EngineFixture {
protected:
    TableFakeLibrary() {
        registerTableOperations(*engine);
        FakeLibrary::script.status = {0, kMitStatus};
        FakeLibrary::script.rawStatus = {0, kMitStatus};
        detect();
    }

    std::vector<std::string> argumentsOf(const std::string& entry, std::size_t index) const {
        std::vector<std::string> args;
        for (const auto& call : FakeLibrary::callsTo(entry)) {
            args.push_back(call.args.at(index));
        }
        return args;
    }
};

TEST_F(TableFakeLibrary, PaymentBodyTouchesOnlyTheChangedRowsAndNeverRowOne) {
    FakeLibrary::script.texts["Obter_Tabela_Pagamentos"] =
        paymentReply({{"Dinheiro", false}, {"Cheque", false}, {"Cartao", false}, {"Vale", true}});
    TableEditor editor(*engine, kPaymentTable, {});
    FormRows rows = displayRows(kPaymentTable, {});
    rows[0] = {"Troco", true, -1}; // whatever row 01 shows
    rows[1].text = "Cheque";
    rows[2] = {"Cartao", true, -1}; // only the box
    rows[3].text = "";              // deleted
    rows[5].text = "Pix";           // new
    prompts.answers = {true};
    editor.send(rows, kAllPrinters);

    EXPECT_EQ(argumentsOf("Excluir_Forma_Pagamento", 0), (std::vector<std::string>{"03", "04"}));
    EXPECT_EQ(argumentsOf("Config_Forma_Pagamento", 1), (std::vector<std::string>{"03", "06"}));
    EXPECT_EQ(argumentsOf("Config_Forma_Pagamento", 0), (std::vector<std::string>{"1", "0"}));
    EXPECT_EQ(argumentsOf("Config_Forma_Pagamento", 2),
              (std::vector<std::string>{"Cartao", "Pix"}));
    // The plan was read before anything was deleted, and the delete of a replaced row comes
    // before its registration.
    std::vector<std::string> order;
    for (const auto& call : FakeLibrary::calls) {
        if (call.name.starts_with("Excluir") || call.name.starts_with("Config") ||
            call.name == "Obter_Tabela_Pagamentos") {
            order.push_back(call.name + ":" + call.args[call.name == "Config_Forma_Pagamento"]);
        }
    }
    EXPECT_EQ(order, (std::vector<std::string>{
                         "Obter_Tabela_Pagamentos:<out>", "Excluir_Forma_Pagamento:03",
                         "Config_Forma_Pagamento:03", "Excluir_Forma_Pagamento:04",
                         "Config_Forma_Pagamento:06"}));
}

TEST_F(TableFakeLibrary, ClearReportsSuccessWhenEveryFailureIsIgnorable) {
    FakeLibrary::script.results["Excluir_Forma_Pagamento"] = 1;
    FakeLibrary::script.status = {0, statusWithCode("0908")};
    FakeLibrary::script.messages["0908"] = "Meio de pagamento não cadastrado.";
    prompts.answers = {true};
    TableEditor editor(*engine, kPaymentTable, {});
    editor.clear(kAllPrinters);

    EXPECT_EQ(argumentsOf("Excluir_Forma_Pagamento", 0).size(), 19U);
    EXPECT_EQ(argumentsOf("Excluir_Forma_Pagamento", 0).front(), "20");
    EXPECT_EQ(argumentsOf("Excluir_Forma_Pagamento", 0).back(), "02");
    ASSERT_EQ(prompts.messages.size(), 2U);
    EXPECT_EQ(prompts.messages[0].text, clearQuestion(kPaymentTable));
    EXPECT_EQ(prompts.messages[1].title, "Alerta Morvelan");
    EXPECT_EQ(prompts.messages[1].text, "( " + engine->portName[0] + " - " + engine->modelName[0] +
                                            " )\n\n Tabela apagada com sucesso. ");
}

TEST_F(TableFakeLibrary, ClearListsEachOtherFailureWithItsResultLine) {
    FakeLibrary::script.results["Excluir_Aliquota"] = 1;
    FakeLibrary::script.status = {0, statusWithCode("0006")};
    FakeLibrary::script.messages["0006"] = toCp1252("Falha temporária."); // as the library answers
    runTableClear(*engine, kTaxRateTable, kAllPrinters);

    const auto codes = argumentsOf("Excluir_Aliquota", 0);
    ASSERT_EQ(codes.size(), 36U);
    EXPECT_EQ(codes[0], "Tr");
    EXPECT_EQ(codes[17], "Ta");
    EXPECT_EQ(codes[18], "Sr");
    EXPECT_EQ(codes[35], "Sa");
    ASSERT_EQ(prompts.messages.size(), 1U);
    EXPECT_EQ(prompts.messages[0].title, "Erro Morvelan");
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Error);
    const std::string& text = prompts.messages[0].text;
    EXPECT_TRUE(text.starts_with("( " + engine->portName[0] + " - " + engine->modelName[0] +
                                 " )\n\n[ Erro ao apagar a Alíquota Tr - ( 0006 ) - Falha "
                                 "temporária. ]\n"))
        << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2 + 36);
    EXPECT_TRUE(prompts.messages[0].text.ends_with(
        "[ Erro ao apagar a Alíquota Sa - ( 0006 ) - Falha temporária. ]\n"));
}

TEST_F(TableFakeLibrary, FailedClearPreventsRegistration) {
    FakeLibrary::script.results["Excluir_Relatorio_Gerencial"] = 1;
    FakeLibrary::script.status = {0, statusWithCode("0006")};
    ReportRequest edited = reportsWith({"Configuração", "Vendas"});
    edited.changed[0] = 1;
    std::vector<char> data(sizeof edited);
    storeRecord(edited, data);
    WorkerArgument argument{0, data, 0, nullptr};
    EXPECT_EQ(writeReports(*engine, argument), 1);
    EXPECT_EQ(FakeLibrary::count("Config_Relatorio_Gerencial"), 0);
    EXPECT_TRUE(engine->tableErrorText[0].starts_with(
        "[ Erro ao apagar o Relatório Gerencial 20 - ( 0006 ) - "));

    // Unconfirmed, the body calls nothing at all.
    FakeLibrary::calls.clear();
    edited.changed[0] = 0;
    storeRecord(edited, data);
    EXPECT_EQ(writeReports(*engine, argument), 0);
    EXPECT_TRUE(FakeLibrary::calls.empty());
    EXPECT_TRUE(engine->tableErrorText[0].empty());
}

TEST_F(TableFakeLibrary, TaxRateBodyRegistersWhatThePlanShowsWhateverCodesTheRecordHolds) {
    // The printer numbers each rate itself, so codes it would never give are neither shown nor
    // sent: the plan and the body both take the rates in order, lettered as the printer will.
    TaxRateRequest edited = ratesWith({{"Zz", "1800"}, {"Tq", "0700"}, {"Sr", "0500"}});
    EXPECT_EQ(taxRatePlanLines(TaxRateRequest{}, edited),
              "A alíquota [ Ta - 1800 ] SERÁ CADASTRADA\n"
              "A alíquota [ Tb - 0700 ] SERÁ CADASTRADA\n"
              "A alíquota [ Sa - 0500 ] SERÁ CADASTRADA\n");
    edited.changed[0] = 1;
    std::vector<char> data(sizeof edited);
    storeRecord(edited, data);
    WorkerArgument argument{0, data, 0, nullptr};
    EXPECT_EQ(writeTaxRates(*engine, argument), 0);
    EXPECT_EQ(argumentsOf("Config_Aliquota", 0),
              (std::vector<std::string>{"1800", "0700", "0500"}));
    EXPECT_EQ(argumentsOf("Config_Aliquota", 1), (std::vector<std::string>{"0", "0", "1"}));
}

TEST_F(TableFakeLibrary, PrinterOutsideTechnicalInterventionGetsNothing) {
    FakeLibrary::script.status = {0, morvelan::test::kHealthyStatus};
    bool repeated = false;
    TableEditor editor(*engine, kNonFiscalTable, [&repeated] { repeated = true; });
    editor.send(formRows({"Sangria", "Fundo de Troco", "Recarga"}), kAllPrinters);
    ASSERT_EQ(prompts.messages.size(), 1U);
    EXPECT_EQ(prompts.messages[0].text, "Não é possível realizar o envio deste comando!");
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Information);
    EXPECT_TRUE(repeated);
    EXPECT_EQ(FakeLibrary::count("Obter_Tabela_NaoFiscais"), 0);
    EXPECT_EQ(FakeLibrary::count("Config_Totalizador_NaoFiscal"), 0);
    EXPECT_EQ(frame.count("showResponsePanel"), 0);
}

TEST_F(TableFakeLibrary, BlockedTechnicalModeIsSentTheForcedClockFirst) {
    FakeLibrary::script.status = {0, "0000000000001000"
                                     "0000"};
    FakeLibrary::script.texts["Obter_Tabela_Relatorios_Gerenciais"] = "";
    ReportRequest edited = reportsWith({"Configuração"});
    std::vector<char> data(sizeof edited);
    storeRecord(edited, data);
    EXPECT_TRUE(runChangePlan(*engine, kReportTable, data, kAllPrinters));
    const auto clock = FakeLibrary::callsTo("Ajustar_Relogio");
    ASSERT_EQ(clock.size(), 1U);
    EXPECT_EQ(clock[0].args, (std::vector<std::string>{"01012000", "000001", "0"}));
}

TEST_F(TableFakeLibrary, RepliesParseIntoTheRowsOfTheirNumbers) {
    std::string reply = paymentReply({{"Dinheiro", false}, {}, {}, {}, {"Cartao", true}});
    reply.replace(44 * 19, 2, "99"); // an entry numbered out of range is ignored
    FakeLibrary::script.texts["Obter_Tabela_Pagamentos"] = reply;
    TableEditor payments(*engine, kPaymentTable, {});
    ASSERT_TRUE(payments.readPrinter());
    const FormRows rows = payments.printerRows(0);
    EXPECT_EQ(rows[0], (FormRow{"Dinheiro", false, -1}));
    EXPECT_EQ(rows[4], (FormRow{"Cartao", true, -1}));
    EXPECT_EQ(rows[19], FormRow{});

    FakeLibrary::script.texts["Obter_Tabela_Aliquotas"] =
        "Ta1800" + std::string(17, '0') + "Sa0500" + std::string(17, '0') + "Xb0700" +
        std::string(17, '0') + "Tb1200" + std::string(17, '0');
    TableEditor rates(*engine, kTaxRateTable, {});
    ASSERT_TRUE(rates.readPrinter());
    const FormRows rateRows = rates.printerRows(0);
    EXPECT_EQ(rateRows[0], (FormRow{"1800", false, 0}));
    EXPECT_EQ(rateRows[1], (FormRow{"0500", false, 1}));
    EXPECT_EQ(rateRows[2], (FormRow{"", false, -1})); // the reply ends at an entry without type

    std::string reports;
    for (int n = 1; n <= 20; ++n) {
        const std::string name = n == 1 ? "Configuração" : n == 3 ? "Vendas" : "";
        reports +=
            twoDigits(n) + toCp1252(name) + std::string(15 - toCp1252(name).size(), ' ') + "0000";
    }
    FakeLibrary::script.texts["Obter_Tabela_Relatorios_Gerenciais"] = reports;
    TableEditor named(*engine, kReportTable, {});
    ASSERT_TRUE(named.readPrinter());
    EXPECT_EQ(named.printerRows(0)[2].text, "Vendas");
    EXPECT_EQ(named.printerRows(0)[1].text, "");
}

} // namespace
} // namespace morvelan::tables::test
