// The engine against libInterfaceKorva.so and its virtual printer, loaded the way the program
// loads it (by absolute path from the program directory) and assembled the way it assembles it.
#include "TempDir.h"
#include "TestDoubles.h"
#include "core/base/Cp1252.h"
#include "core/base/RequestBytes.h"
#include "core/engine/Engine.h"
#include "core/modules/CoreModules.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>

namespace morvelan::test {
namespace {

// One state file for the whole process: the library reads KORVA_SIM_STATE once.
class VirtualPrinterEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        ::setenv("KORVA_SIM_STATE", (std::string(stateDir.path()) + "/printer.json").c_str(), 1);
    }
    TempDir stateDir;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new VirtualPrinterEnvironment);

template <std::size_t N> std::string text(const char (&field)[N]) {
    return fromCp1252(std::string_view(field, strnlen(field, N)));
}

class EngineVirtualPrinter : public ::testing::Test {
protected:
    EngineVirtualPrinter()
        : logDir(libraryLogDirectory(dataDir.path())),
          engine(bindLibrary(MORVELAN_LIBRARY_DIR, logDir), prompts, frame, programDir.path()) {
        registerCoreModules(engine);
    }

    TempDir programDir, dataDir;
    std::string logDir;
    RecordingPrompts prompts;
    RecordingFrame frame;
    Engine engine;
};

TEST_F(EngineVirtualPrinter, EveryEntryPointIsBound) {
    ASSERT_NE(engine.libraryHandle, nullptr);
    int bound = 0;
#define MORVELAN_COUNT_ENTRY(name) bound += engine.libraryEntries.name != nullptr ? 1 : 0;
    MORVELAN_KORVA_ENTRY_POINTS(MORVELAN_COUNT_ENTRY)
#undef MORVELAN_COUNT_ENTRY
    EXPECT_EQ(bound, kEntryPointCount);
}

TEST_F(EngineVirtualPrinter, CommunicationCheckFindsThePrinter) {
    engine.runOperation(1, 1, {}, kAllPrinters);
    ASSERT_EQ(engine.printerPresent[0], 1)
        << (prompts.messages.empty() ? "" : prompts.messages[0].text);
    EXPECT_TRUE(engine.portName[0].starts_with("COM") || engine.portName[0] == "USB");
    EXPECT_FALSE(engine.modelName[0].empty());
    EXPECT_TRUE(engine.modelName[0].starts_with("QP-"));
    EXPECT_EQ(text(frame.shownRecord.resultLine), "( 0000 ) - Resultado sem erro");
    EXPECT_EQ(text(frame.shownRecord.portStatusText), "Porta aberta com sucesso.");
    EXPECT_FALSE(text(frame.shownRecord.fiscalStatusText).empty());
    // The library was handed its log directory at binding and logs the exchanges there.
    EXPECT_TRUE(std::filesystem::is_directory(logDir));
}

TEST_F(EngineVirtualPrinter, StatusRightAfterOpeningThePortIsAskedOfThePrinter) {
    ASSERT_TRUE(engine.ensurePrinter());
    ASSERT_EQ(engine.printerPresent[0], 1);
    char portNumber[7] = {};
    ASSERT_EQ(engine.call(&LibraryEntries::Serial_Abrir_PortaAD, "", portNumber), 0);
    char status[21] = {};
    ASSERT_EQ(engine.call(&LibraryEntries::Obter_Estado_Impressora, status), 1);
    ASSERT_EQ(status[0], '\0');

    ResultRecord record{};
    engine.decodeStatus(record, 0);
    EXPECT_EQ(record.resultCode, 0);
    EXPECT_EQ(text(record.resultLine), "( 0000 ) - Resultado sem erro");
    EXPECT_EQ(text(record.fieldErrorText), "Campos sem erro.");
}

TEST_F(EngineVirtualPrinter, StatusOfAPrinterSwitchedOffSinceItsLastAnswerIsNotReady) {
    const std::string sim = std::string(MORVELAN_LIBRARY_DIR) + "/korva-sim power ";
    engine.runOperation(7, 1, {}, kAllPrinters);
    ASSERT_EQ(text(frame.shownRecord.resultLine), "( 0000 ) - Resultado sem erro");
    ASSERT_EQ(std::system((sim + "off").c_str()), 0);
    engine.runOperation(7, 1, {}, kAllPrinters);
    const int offCode = frame.shownRecord.resultCode;
    ASSERT_EQ(std::system((sim + "on").c_str()), 0);
    EXPECT_NE(offCode, 0);
}

TEST_F(EngineVirtualPrinter, ChangedSettingIsReadBackAndKeptInTheCommandFile) {
    ASSERT_TRUE(engine.ensurePrinter());
    ResultRecord status{};
    engine.readStatus(status);
    if (!engine.checkMitMode(kAllPrinters)) {
        engine.runOperation(6, 1, {}, kAllPrinters); // forced entry into MIT
    }
    char symbol[5] = "US$";
    engine.runOperation(6, 3, symbol, kAllPrinters);
    ASSERT_EQ(text(frame.shownRecord.resultLine), "( 0000 ) - Resultado sem erro");

    char read[5] = {};
    EXPECT_TRUE(engine.readOperation(6, 3, read, false));
    EXPECT_STREQ(read, "US$");

    char stored[5] = {};
    engine.commandFile().readCommandFile(6, 3, stored);
    EXPECT_STREQ(stored, "US$");
}

TEST_F(EngineVirtualPrinter, SerializationDataCarriesTheDetectedModel) {
    char data[109] = {};
    ASSERT_TRUE(engine.readOperation(7, 2, data, true));
    std::string model = textAt(data, 60, 21);
    model.erase(0, model.find_first_not_of(' '));
    model.erase(model.find_last_not_of(' ') + 1);
    EXPECT_EQ(fromCp1252(model), engine.modelName[0]);
    ASSERT_EQ(prompts.messages.size(), 1U);
    EXPECT_TRUE(
        prompts.messages[0].text.ends_with(" ( 0000 ) - Operação finalizada com sucesso. )\n"));
}

TEST_F(EngineVirtualPrinter, RefusedCommandShowsTheLibrarysMessage) {
    ASSERT_TRUE(engine.ensurePrinter());
    char speed[6] = "1234";
    engine.runOperation(6, 4, speed, kAllPrinters);
    EXPECT_NE(frame.shownRecord.resultCode, 0);
    const std::string line = text(frame.shownRecord.resultLine);
    EXPECT_TRUE(line.starts_with("( 0")) << line;
    EXPECT_NE(line, "( 0000 ) - Resultado sem erro");
    EXPECT_GT(line.size(), std::string("( 0004 ) - ").size()) << line;
    EXPECT_TRUE(prompts.messages.empty()); // no power-cycle message on failure
}

} // namespace
} // namespace morvelan::test
