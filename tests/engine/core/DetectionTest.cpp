#include "EngineFixture.h"
#include "core/modules/CoreModules.h"

namespace morvelan::test {
namespace {

class EngineDetection : public EngineFixture {
protected:
    EngineDetection() : EngineFixture(registerCoreModules) {}
};

TEST_F(EngineDetection, SerialPortPrinterIsRecorded) {
    FakeLibrary::script.openPort = {0, "3"};
    FakeLibrary::script.printerData.text = printerDataWithModel("QP-L30 MKIII");
    ASSERT_TRUE(engine->ensurePrinter());

    EXPECT_EQ(engine->printerPresent[0], 1);
    EXPECT_EQ(engine->portName[0], "COM3");
    EXPECT_EQ(engine->modelName[0].substr(0, 12), "QP-L30 MKIII");
    EXPECT_EQ(engine->isMkiii[0], 1);
    EXPECT_EQ(engine->detectedCount, 1);
    EXPECT_EQ(engine->detectionNeeded, 0);
    EXPECT_EQ(frame.count("waitForDetection"), 1);
    EXPECT_TRUE(prompts.messages.empty());
    // The port held before is closed first, and the port is searched for with an empty name.
    ASSERT_GE(FakeLibrary::calls.size(), 2U);
    EXPECT_EQ(FakeLibrary::calls[0].name, "Serial_Fechar_Porta");
    EXPECT_EQ(FakeLibrary::calls[1].name, "Serial_Abrir_PortaAD");
    EXPECT_EQ(FakeLibrary::calls[1].args[0], "");
    // The semaphore was given back.
    EXPECT_TRUE(engine->librarySemaphore.try_acquire());
}

TEST_F(EngineDetection, PortNumberZeroIsUsbAndBlanksAroundTheModelAreDropped) {
    FakeLibrary::script.openPort = {0, "0"};
    FakeLibrary::script.printerData.text = printerDataWithModel("   QP-R4100 MKIII");
    ASSERT_TRUE(engine->ensurePrinter());
    EXPECT_EQ(engine->portName[0], "USB");
    EXPECT_EQ(engine->modelName[0], "QP-R4100 MKIII");
    EXPECT_EQ(engine->isMkiii[0], 1);
}

TEST_F(EngineDetection, ThirdGenerationOnlyByModelPrefix) {
    const std::pair<const char*, int> cases[] = {
        {"QP-L30 MKIII", 1}, {"QP-L20 MKIII", 1},  {"QP-R4100 MKIII", 1}, {"QP-R4100", 0},
        {"QP-L30", 0},       {"QP-R4100 MKII", 0}, {" QP-L20 MKIII", 1},
    };
    for (const auto& [model, expected] : cases) {
        FakeLibrary::script.printerData.text = printerDataWithModel(model);
        engine->detectionNeeded = 1;
        ASSERT_TRUE(engine->ensurePrinter());
        EXPECT_EQ(engine->isMkiii[0], expected) << model;
    }
}

TEST_F(EngineDetection, NoPrinterKeepsDetectingAndSaysSo) {
    FakeLibrary::script.openPort = {3, ""};
    ASSERT_TRUE(engine->ensurePrinter());
    EXPECT_EQ(engine->printerPresent[0], 0);
    EXPECT_EQ(engine->detectedCount, 0);
    EXPECT_EQ(engine->detectionNeeded, 1);
    EXPECT_EQ(engine->detectionResults[0].resultCode, 1);
    ASSERT_EQ(prompts.messages.size(), 1U);
    EXPECT_EQ(prompts.messages[0].title, "Alerta Morvelan");
    EXPECT_EQ(prompts.messages[0].text, "Nenhuma Impressora Fiscal detectada!\n");
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Information);
    EXPECT_EQ(FakeLibrary::count("Obter_Dados_Impressora"), 0);

    // The next operation tries again.
    FakeLibrary::script.openPort = {0, "1"};
    ASSERT_TRUE(engine->ensurePrinter());
    EXPECT_EQ(engine->printerPresent[0], 1);
    EXPECT_EQ(FakeLibrary::count("Serial_Abrir_PortaAD"), 2);
}

TEST_F(EngineDetection, FormsLookForAMissingPrinterOnceAndLeaveTheRestToTheOperations) {
    FakeLibrary::script.openPort = {3, ""};
    ASSERT_TRUE(engine->ensurePrinterForForm());
    ASSERT_TRUE(engine->ensurePrinterForForm());
    EXPECT_EQ(FakeLibrary::count("Serial_Abrir_PortaAD"), 1);
    EXPECT_EQ(frame.count("waitForDetection"), 1);
    ASSERT_EQ(prompts.messages.size(), 1U);
    EXPECT_EQ(prompts.messages[0].text, "Nenhuma Impressora Fiscal detectada!\n");

    // Switched on later: the next operation finds it, and forms no longer need to look.
    FakeLibrary::script.openPort = {0, "1"};
    ASSERT_TRUE(engine->ensurePrinter());
    EXPECT_EQ(engine->printerPresent[0], 1);
    ASSERT_TRUE(engine->ensurePrinterForForm());
    EXPECT_EQ(FakeLibrary::count("Serial_Abrir_PortaAD"), 2);
}

TEST_F(EngineDetection, FormsLeaveAMissingLibraryToTheFirstOperation) {
    makeEngine(bindLibrary(dir.path(), dir.path()));
    ASSERT_EQ(engine->libraryHandle, nullptr);
    EXPECT_TRUE(engine->ensurePrinterForForm());
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(frame.count("closeMainWindow"), 0);
    EXPECT_EQ(engine->detectionNeeded, 1);
}

TEST_F(EngineDetection, ALibraryLeftForLaterIsBoundOnceByTheFirstNeedForIt) {
    makeEngine(BoundLibrary{});
    int binds = 0;
    engine->bindLater([&binds] {
        ++binds;
        return bindLibraryFromTable(FakeLibrary::entries());
    });
    EXPECT_EQ(binds, 0);
    FakeLibrary::script.printerData.text = printerDataWithModel("QP-L30 MKIII");
    ASSERT_TRUE(engine->ensurePrinterForForm());
    ASSERT_TRUE(engine->ensurePrinter());
    engine->bindPendingLibrary();
    EXPECT_EQ(binds, 1);
    EXPECT_EQ(engine->printerPresent[0], 1);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(EngineDetection, DetectsOnlyWhileNeededButAlwaysForTheCommunicationCheck) {
    char data[2] = {};
    engine->runOperation(7, 1, data, kAllPrinters);
    engine->runOperation(7, 1, data, kAllPrinters);
    EXPECT_EQ(FakeLibrary::count("Serial_Abrir_PortaAD"), 1);
    EXPECT_EQ(frame.count("waitForDetection"), 1);

    engine->runOperation(1, 1, {}, kAllPrinters);
    engine->runOperation(1, 1, {}, kAllPrinters);
    EXPECT_EQ(FakeLibrary::count("Serial_Abrir_PortaAD"), 3);
    EXPECT_EQ(frame.count("waitForDetection"), 3);
}

TEST_F(EngineDetection, MissingLibraryClosesTheProgram) {
    makeEngine(bindLibrary(dir.path(), dir.path()));
    ASSERT_EQ(engine->libraryHandle, nullptr);
    engine->runOperation(6, 12, {}, kAllPrinters);

    ASSERT_EQ(prompts.messages.size(), 1U);
    EXPECT_EQ(prompts.messages[0].title, "Alerta Morvelan");
    EXPECT_EQ(prompts.messages[0].text,
              "Arquivo InterfaceKorva.dll não encontrado!\n\nEste arquivo é fundamental para o "
              "funcionamento deste software.\n\nO Morvelan será fechado.");
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Error);
    EXPECT_EQ(frame.count("closeMainWindow"), 1);
    EXPECT_EQ(frame.count("showResult"), 0);
    EXPECT_EQ(frame.count("waitForWorker"), 0);
}

} // namespace
} // namespace morvelan::test
