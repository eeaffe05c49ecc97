// The four tables end to end: the forms' logic, the engine and libInterfaceKorva.so with its
// virtual printer, whose tables are read back from its state after each send.
#include "TableRecordsTestHelpers.h"
#include "TempDir.h"
#include "TestDoubles.h"
#include "core/engine/Engine.h"
#include "core/features/tables/TableEditor.h"
#include "core/features/tables/TableWrites.h"

#include "VirtualPrinterState.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace morvelan::tables::test {
namespace {

using morvelan::test::RecordingFrame;
using morvelan::test::RecordingPrompts;
using morvelan::test::TempDir;

std::vector<std::string> names(const std::vector<korva::NamedEntry>& entries) {
    std::vector<std::string> result;
    for (const auto& entry : entries) {
        result.push_back(twoDigits(entry.number) + " " + entry.name + (entry.linked ? " (S)" : ""));
    }
    return result;
}

std::vector<std::string> rates() {
    std::vector<std::string> result;
    for (const auto& rate : printer().taxRates) {
        result.push_back(rate.code + " " + rate.rate);
    }
    return result;
}

class TableVirtualPrinter : public ::testing::Test {
protected:
    TableVirtualPrinter()
        : engine(morvelan::bindLibrary(MORVELAN_LIBRARY_DIR,
                                       morvelan::libraryLogDirectory(dataDir.path())),
                 prompts, frame, programDir.path()) {
        resetPrinter();
        registerTableOperations(engine);
    }

    TableEditor editor(int table) {
        return TableEditor(engine, table, [this] { ++repeats; });
    }

    // Sends `rows`, answering the questions in turn.
    void send(int table, const FormRows& rows, std::deque<bool> answers) {
        prompts.answers = std::move(answers);
        editor(table).send(rows, kAllPrinters);
    }

    std::string lastMessage() const {
        return prompts.messages.empty() ? std::string() : prompts.messages.back().text;
    }

    TempDir programDir, dataDir;
    RecordingPrompts prompts;
    RecordingFrame frame;
    Engine engine;
    int repeats = 0;
};

TEST_F(TableVirtualPrinter, ConfirmedPaymentMethodsAreWhatThePrinterHolds) {
    FormRows rows = displayRows(kPaymentTable, {});
    rows[1] = {"Cheque", false, -1};
    rows[3] = {"Cartao", true, -1};
    send(kPaymentTable, rows, {true});
    ASSERT_EQ(repeats, 0) << lastMessage();
    EXPECT_TRUE(engine.tableErrorText[0].empty()) << engine.tableErrorText[0];
    EXPECT_EQ(names(printer().payments),
              (std::vector<std::string>{"01 Dinheiro", "02 Cheque", "04 Cartao (S)"}));

    // Reading the table back shows the same rows, and the record sent is the command file's
    // block that fills the form next time.
    TableEditor again = editor(kPaymentTable);
    ASSERT_TRUE(again.readPrinter());
    EXPECT_EQ(again.printerRows(0), displayRows(kPaymentTable, [&] {
                  PaymentRequest sent{};
                  collectPayments(rows, sent);
                  std::vector<char> bytes(sizeof sent);
                  storeRecord(sent, bytes);
                  return bytes;
              }()));
    std::vector<char> stored(sizeof(PaymentRequest), '\0');
    engine.commandFile().readCommandFile(6, kPaymentTable, stored);
    TableEditor reopened = editor(kPaymentTable);
    reopened.load(stored);
    EXPECT_EQ(reopened.rows(), again.printerRows(0));
    EXPECT_EQ(fieldText(loadRecord<PaymentRequest>(stored).rows[3].name), "Cartao");
}

TEST_F(TableVirtualPrinter, UnchangedTableIsNotSent) {
    editPrinter([](korva::PrinterState& s) {
        s.reports.push_back({2, "Vendas"});
        s.faults["0208"] = {1, "0006"}; // any deletion would meet this
    });
    send(kReportTable, formRows({"Configuração", "Vendas"}), {});
    ASSERT_GE(prompts.messages.size(), 2U);
    EXPECT_TRUE(lastMessage().ends_with(")\n\nNão existem alterações a serem efetuadas\n"))
        << lastMessage();
    EXPECT_EQ(printer().faults.count("0208"), 1U);
    EXPECT_EQ(names(printer().reports), (std::vector<std::string>{"01 Configuração", "02 Vendas"}));
}

TEST_F(TableVirtualPrinter, ReportsAreSentCompactedAndNoKeepsThePrinterAsItWas) {
    editPrinter([](korva::PrinterState& s) {
        s.reports = {{1, "Configuração"}, {2, "Vendas"}, {3, "Sangria"}, {4, "Estoque"}};
    });
    const FormRows rows = formRows({"Configuração", "Vendas", "", "Estoque", "", "Caixa"});
    send(kReportTable, rows, {true, false});
    EXPECT_EQ(names(printer().reports).size(), 4U);
    EXPECT_EQ(printer().reports[2].name, "Sangria");

    prompts.messages.clear();
    send(kReportTable, rows, {true, true});
    ASSERT_GE(prompts.messages.size(), 3U);
    const std::string plan = prompts.messages[2].text;
    EXPECT_TRUE(plan.starts_with("( " + engine.portName[0] + " :: " + engine.modelName[0] +
                                 ")\n\nO relatório gerencial ( 03 ) [ Sangria ] SERÁ "
                                 "SUBSTITUÍDO POR [ Estoque ]\n"))
        << plan;
    EXPECT_EQ(names(printer().reports),
              (std::vector<std::string>{"01 Configuração", "02 Vendas", "03 Estoque", "04 Caixa"}));
}

TEST_F(TableVirtualPrinter, TaxRatesAreRegisteredIcmsFirst) {
    FormRows rows(kTaxRateRows);
    rows[0] = {"0500", false, 1};
    rows[1] = {"1800", false, 0};
    send(kTaxRateTable, rows, {true, true});
    EXPECT_EQ(rates(), (std::vector<std::string>{"Ta 1800", "Sa 0500"}));

    TableEditor again = editor(kTaxRateTable);
    ASSERT_TRUE(again.readPrinter());
    EXPECT_EQ(again.printerRows(0)[0], (FormRow{"1800", false, 0}));
    EXPECT_EQ(again.printerRows(0)[1], (FormRow{"0500", false, 1}));
}

TEST_F(TableVirtualPrinter, FailedRegistrationIsListedAndTheNextRowsStillGo) {
    editPrinter([](korva::PrinterState& s) { s.faults["0205"] = {1, "0006"}; });
    send(kNonFiscalTable, formRows({"Sangria", "Fundo de Troco", "Recarga", "Vale", "Bonus"}),
         {true});
    EXPECT_EQ(names(printer().nonFiscal),
              (std::vector<std::string>{"01 Sangria", "02 Fundo de Troco", "03 Vale", "04 Bonus"}));
    const std::string expected =
        "Erro ao tentar cadastrar o Totalizador Não Fiscal ( 03 - Recarga )[ ( 0006 ) - ";
    EXPECT_TRUE(engine.tableErrorText[0].starts_with(expected)) << engine.tableErrorText[0];
    EXPECT_EQ(std::count(engine.tableErrorText[0].begin(), engine.tableErrorText[0].end(), '\n'),
              1);
    ASSERT_FALSE(prompts.messages.empty());
    EXPECT_EQ(prompts.messages.back().title, "Erro Morvelan");
    EXPECT_EQ(prompts.messages.back().text, "( " + engine.portName[0] + " - " +
                                                engine.modelName[0] + " )\n\n" +
                                                engine.tableErrorText[0]);
}

TEST_F(TableVirtualPrinter, OutsideTechnicalInterventionNothingIsSent) {
    editPrinter([](korva::PrinterState& s) { s.mit = false; });
    FormRows rows = displayRows(kPaymentTable, {});
    rows[1].text = "Cheque";
    send(kPaymentTable, rows, {true});
    EXPECT_EQ(lastMessage(), "Não é possível realizar o envio deste comando!");
    EXPECT_EQ(repeats, 1);
    EXPECT_EQ(printer().payments.size(), 1U);
}

TEST_F(TableVirtualPrinter, ClearEmptiesTheTableDownToItsFixedEntries) {
    editPrinter([](korva::PrinterState& s) {
        s.nonFiscal.push_back({3, "Recarga"});
        s.nonFiscal.push_back({4, "Vale"});
    });
    prompts.answers = {false};
    editor(kNonFiscalTable).clear(kAllPrinters);
    EXPECT_EQ(printer().nonFiscal.size(), 4U);

    prompts.answers = {true};
    editor(kNonFiscalTable).clear(kAllPrinters);
    EXPECT_EQ(names(printer().nonFiscal),
              (std::vector<std::string>{"01 Sangria", "02 Fundo de Troco"}));
    EXPECT_TRUE(lastMessage().ends_with(" )\n\n Tabela apagada com sucesso. ")) << lastMessage();
}

} // namespace
} // namespace morvelan::tables::test
