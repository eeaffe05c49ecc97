#include "EngineFixture.h"

#include "core/base/RequestBytes.h"
#include "core/modules/CoreModules.h"

#include <fstream>
#include <iterator>

namespace morvelan::test {
namespace {

class EngineRunOperation : public EngineFixture {
protected:
    EngineRunOperation() : EngineFixture(registerCoreModules) {}
};

TEST_F(EngineRunOperation, SelectionAllAndSelectionZeroRunTheSameSingleWorker) {
    detect();
    for (const int selection : {kAllPrinters, 0}) {
        FakeLibrary::calls.clear();
        engine->runOperation(8, 1, {}, selection);
        EXPECT_EQ(FakeLibrary::count("RelatorioFiscal_LeituraX"), 1) << selection;
        EXPECT_EQ(FakeLibrary::count("Obter_Estado_Impressora"), 1) << selection;
        EXPECT_EQ(frame.shownSelection, selection);
    }
    FakeLibrary::calls.clear();
    engine->runOperation(8, 1, {}, 1); // names a printer that does not exist
    EXPECT_EQ(FakeLibrary::calls.size(), 0U);
}

TEST_F(EngineRunOperation, StepsInOrderEndWithTheResultOnThePanel) {
    detect();
    FakeLibrary::script.results["RelatorioFiscal_LeituraX"] = 1;
    FakeLibrary::script.status = {0, "000000000000C0800908"};
    FakeLibrary::script.messages["0908"] = "Sem papel";
    engine->runOperation(8, 1, {}, kAllPrinters);

    const std::vector<std::string> expected = {"showResponsePanel", "waitForWorker", "showResult"};
    EXPECT_EQ(frame.events, expected);
    EXPECT_EQ(frame.shownType, 8);
    EXPECT_EQ(frame.shownStep, 1);
    EXPECT_EQ(frame.shownRecord.resultCode, 1);
    EXPECT_EQ(text(frame.shownRecord.resultLine), "( 0908 ) - Sem papel");
    EXPECT_EQ(engine->workerDone[0].load(), 1);
}

TEST_F(EngineRunOperation, NoPrinterStartsNoWorkerAndShowsAnEmptyPanel) {
    FakeLibrary::script.openPort = {3, ""};
    engine->runOperation(6, 12, {}, kAllPrinters);
    EXPECT_EQ(FakeLibrary::count("Iniciar_Nova_MFD"), 0);
    EXPECT_EQ(frame.count("showResult"), 1);
    EXPECT_EQ(frame.shownRecord.resultCode, 0);
    EXPECT_EQ(text(frame.shownRecord.resultLine), "");
    EXPECT_EQ(engine->printerPresent[0], 0);
}

TEST_F(EngineRunOperation, CodeWithoutBodyFailsAndSendsNothing) {
    detect();
    FakeLibrary::calls.clear();
    engine->runOperation(6, 14, {}, kAllPrinters);
    EXPECT_EQ(frame.shownRecord.resultCode, kUnavailableResultCode);
    EXPECT_EQ(text(frame.shownRecord.resultLine),
              "Função não disponível nesta versão do programa.");
    EXPECT_EQ(FakeLibrary::calls.size(), 0U);
}

TEST_F(EngineRunOperation, MissingEntryPointIsAFailedCall) {
    LibraryEntries entries = FakeLibrary::entries();
    entries.Config_Horario_Verao = nullptr;
    makeEngine(bindLibraryFromTable(entries));
    detect();
    engine->runOperation(6, 6, {}, kAllPrinters);
    EXPECT_EQ(frame.shownRecord.resultCode, kMissingEntryPoint);
    EXPECT_EQ(FakeLibrary::count("Obter_Estado_Impressora"), 1);
}

TEST_F(EngineRunOperation, PowerCycleMessageOnlyAfterASuccessfulSpeedChange) {
    detect();
    char speed[6] = "19200";
    engine->runOperation(6, 4, speed, kAllPrinters);
    EXPECT_EQ(FakeLibrary::callsTo("Config_Serial_Impressora").at(0).args[0], "19200");
    ASSERT_EQ(prompts.messages.size(), 1U);
    EXPECT_EQ(prompts.messages[0].title, "Alerta Morvelan");
    EXPECT_EQ(prompts.messages[0].text,
              "Para que a configuração seja aceita, é necessário desligar e ligar a impressora.");
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Information);

    prompts.messages.clear();
    FakeLibrary::script.results["Config_Serial_Impressora"] = 1;
    engine->runOperation(6, 4, speed, kAllPrinters);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(EngineRunOperation, TableErrorsAreShownWithThePrinter) {
    FakeLibrary::script.printerData.text = printerDataWithModel("QP-L30");
    detect();
    engine->operations().add(6, 8,
                             {.body =
                                  [](Engine& e, WorkerArgument& a) {
                                      e.tableErrorText[static_cast<std::size_t>(a.slot)] =
                                          "Erro ao tentar cadastrar ...\n";
                                      return 1;
                                  },
                              .listsTableErrors = true});
    char table[743] = {};
    engine->runOperation(6, 8, table, kAllPrinters);
    ASSERT_EQ(prompts.messages.size(), 1U);
    EXPECT_EQ(prompts.messages[0].title, "Erro Morvelan");
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Error);
    EXPECT_TRUE(prompts.messages[0].text.starts_with("( COM3 - QP-L30"));
    EXPECT_TRUE(prompts.messages[0].text.ends_with(" )\n\nErro ao tentar cadastrar ...\n"));
}

TEST_F(EngineRunOperation, CommunicationCheckAsksForTheStatusWhenTheClockHasNothing) {
    FakeLibrary::script.clock = {1, ""};
    FakeLibrary::script.rawStatus = {3, ""};
    engine->runOperation(1, 1, {}, kAllPrinters);
    // Once by the body; the status reading that follows finds a status text.
    EXPECT_EQ(FakeLibrary::count("Send_From_FileEXX"), 1);
    EXPECT_EQ(frame.shownRecord.resultCode, 3);

    FakeLibrary::calls.clear();
    FakeLibrary::script.clock = {1, "01012026120000"};
    engine->runOperation(1, 1, {}, kAllPrinters);
    EXPECT_EQ(FakeLibrary::count("Send_From_FileEXX"), 0);
    EXPECT_EQ(frame.shownRecord.resultCode, 1);
}

TEST_F(EngineRunOperation, BodiesReadTheirArgumentsAtTheFormsOffsets) {
    detect();
    char header[471] = {};
    putText(header, 0, "Linha 1", 56);
    putText(header, 57, "Linha 2", 56);
    putText(header, 114, "Linha 3", 56);
    putText(header, 171, "Linha 4", 56);
    putText(header, 228, "0001", 4);
    putText(header, 233, "012", 3);
    engine->runOperation(6, 2, header, kAllPrinters);
    const std::vector<std::string> headerArgs = {"Linha 1", "Linha 2", "Linha 3",
                                                 "Linha 4", "012",     "0001"};
    EXPECT_EQ(FakeLibrary::callsTo("Configurar_Usuario").at(0).args, headerArgs);

    char clock[32] = {};
    putText(clock, 0, "31122026", 8);
    putText(clock, 9, "235959", 6);
    engine->runOperation(6, 5, clock, kAllPrinters);
    const std::vector<std::string> clockArgs = {"31122026", "235959", "1"};
    EXPECT_EQ(FakeLibrary::callsTo("Ajustar_Relogio").at(0).args, clockArgs);

    char lmf[28] = {};
    putText(lmf, 0, "01012026", 8);
    putText(lmf, 9, "31012026", 8);
    putValue<std::int32_t>(lmf, 20, 1); // simplified
    putValue<std::int32_t>(lmf, 24, 1); // by date
    engine->runOperation(8, 3, lmf, kAllPrinters);
    EXPECT_EQ(FakeLibrary::callsTo("RelatorioFiscal_Leitura_MF").at(0).args.at(2), "7");

    char mfd[24] = {};
    putText(mfd, 0, "000010", 8);
    putText(mfd, 9, "000020", 8);
    putValue<std::int32_t>(mfd, 20, 2);
    engine->runOperation(8, 4, mfd, kAllPrinters);
    const std::vector<std::string> mfdArgs = {"000010", "000020", "0", "0", "", "0", "0", "0"};
    EXPECT_EQ(FakeLibrary::callsTo("Leitura_MFD").at(0).args, mfdArgs);

    char rz[28] = {};
    putValue<std::int32_t>(rz, 16, -1);
    engine->runOperation(8, 2, rz, kAllPrinters);
    const std::vector<std::string> rzArgs = {"", "", "-1", ""};
    EXPECT_EQ(FakeLibrary::callsTo("RelatorioFiscal_RZ").at(0).args, rzArgs);

    engine->runOperation(6, 1, {}, kAllPrinters);
    const std::vector<std::string> mitArgs = {"01012000", "000001", "0"};
    EXPECT_EQ(FakeLibrary::callsTo("Ajustar_Relogio").at(1).args, mitArgs);
}

TEST_F(EngineRunOperation, IssqnDiscountWithoutAChoiceCallsNothing) {
    detect();
    char choice[2] = {};
    engine->runOperation(6, 11, choice, kAllPrinters);
    EXPECT_EQ(FakeLibrary::count("Configurar_Desconto_ISS"), 0);
    EXPECT_EQ(frame.shownRecord.resultCode, 0);
    choice[0] = 'N';
    engine->runOperation(6, 11, choice, kAllPrinters);
    EXPECT_EQ(FakeLibrary::callsTo("Configurar_Desconto_ISS").at(0).args.at(0), "0");
}

TEST_F(EngineRunOperation, RequestDataIsKeptInTheCommandFileBeforeTheRun) {
    FakeLibrary::script.openPort = {3, ""}; // even when no printer answers
    char symbol[5] = "R$";
    engine->runOperation(6, 3, symbol, kAllPrinters);
    std::ifstream in(dir.file("default.cmd"), std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
    ASSERT_EQ(content.size(), 10184U);
    EXPECT_EQ(content.substr(1495, 3), std::string("R$\0", 3));
}

TEST_F(EngineRunOperation, UnwritableCommandFileIsReportedAndTheRunGoesOn) {
    TempDir other;
    makeEngine(bindLibraryFromTable(FakeLibrary::entries()), other.path() + "/missing");
    engine->runOperation(8, 1, {}, kAllPrinters);
    ASSERT_GE(prompts.messages.size(), 1U);
    EXPECT_EQ(prompts.messages[0].title, "Alerta Morvelan");
    EXPECT_EQ(prompts.messages[0].text, "Erro ao criar o arquivo de configuração.");
    EXPECT_EQ(FakeLibrary::count("RelatorioFiscal_LeituraX"), 1);
}

TEST_F(EngineRunOperation, CheckMitModeByFiscalStatus) {
    detect();
    struct Case {
        const char* status;
        bool expected;
        int forcedEntries;
    };
    const Case cases[] = {
        {"00000000000000000000", false, 0}, // blocked, normal operation
        {"000000000000D0000000", true, 0},  // fiscalized, MIT
        {"00000000000090000000", true, 0},  // manufacture, MIT
        {"00000000000010000000", true, 1},  // blocked, MIT: forced entry
        {"00000000000050000000", false, 0}, // no mode text
        {"000000000000C0800000", false, 0}, // fiscalized, normal
    };
    for (const Case& c : cases) {
        FakeLibrary::calls.clear();
        FakeLibrary::script.status = {0, c.status};
        EXPECT_EQ(engine->checkMitMode(kAllPrinters), c.expected) << c.status;
        const auto forced = FakeLibrary::callsTo("Ajustar_Relogio");
        ASSERT_EQ(static_cast<int>(forced.size()), c.forcedEntries) << c.status;
        if (!forced.empty()) {
            const std::vector<std::string> args = {"01012000", "000001", "0"};
            EXPECT_EQ(forced[0].args, args);
        }
    }
}

TEST_F(EngineRunOperation, CheckMitModeWithoutThePrinterLetsTheFormGoOn) {
    FakeLibrary::script.status = {0, "000000000000C0800000"};
    EXPECT_TRUE(engine->checkMitMode(kAllPrinters)); // nothing detected yet
    detect();
    EXPECT_TRUE(engine->checkMitMode(1));
    EXPECT_FALSE(engine->checkMitMode(0));
}

TEST_F(EngineRunOperation, SendFileAnswersIntoTheCallersBuffer) {
    detect();
    FakeLibrary::script.texts["Send_From_FileEX"] = "01012026|120000";
    SendFileRequest request{};
    putText(request.command, 0, "0002|0000", 1024);
    engine->sendFile(request, kAllPrinters);
    EXPECT_EQ(FakeLibrary::callsTo("Send_From_FileEX").at(0).args.at(0), "0002|0000");
    EXPECT_STREQ(request.slots[0].answer, "01012026|120000");
    EXPECT_EQ(request.slots[0].result.resultCode, 0);
    EXPECT_EQ(text(request.slots[0].result.resultLine), "( 0000 ) - Resultado sem erro");
    EXPECT_EQ(frame.count("showResult"), 0);
}

TEST_F(EngineRunOperation, ReadStatusReadsTheClockAndDecodes) {
    detect();
    FakeLibrary::script.clock = {2, ""};
    ResultRecord status{};
    engine->readStatus(status);
    EXPECT_EQ(status.resultCode, 2);
    EXPECT_EQ(text(status.portStatusText), "Porta aberta com sucesso.");
}

} // namespace
} // namespace morvelan::test
