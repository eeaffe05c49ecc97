// The shared form pieces without widgets: printer naming and selection, record texts, the
// registry's starting records from the working command file, and leaving a sequence.
#include "FakeFormServices.h"
#include "TempDir.h"
#include "core/base/CommandFile.h"
#include "core/features/common/FormRecord.h"
#include "core/features/common/FormRegistry.h"
#include "core/features/common/PrinterChoice.h"
#include "core/features/common/SequenceAbandon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace morvelan::test {
namespace {

TEST(FormsCommonPrinterChoice, NamesPresentPrintersInTheStyleOfTheForm) {
    FakeFormServices services;
    services.printers = {{true, "COM3", "QP-L30 MKIII", true},
                         {false, "COM4", "QP-L20", false},
                         {true, "USB", "QP-R4100      ", false}};
    const auto portFirst = presentPrinters(services, PrinterLabelStyle::PortModel);
    ASSERT_EQ(portFirst.size(), 2u);
    EXPECT_EQ(portFirst[0].label, "COM3 :: QP-L30 MKIII");
    EXPECT_EQ(portFirst[1].slot, 2); // the absent printer keeps its slot number out
    EXPECT_EQ(presentPrinters(services, PrinterLabelStyle::ModelPort)[1].label, "QP-R4100 :: USB");
    EXPECT_EQ(printerListEntries(portFirst),
              (std::vector<std::string>{"Todas as impressoras", "Para (COM3 :: QP-L30 MKIII)",
                                        "Para (USB :: QP-R4100      )"}));
    services.printers = {PrinterIdentity{}};
    EXPECT_EQ(printerListEntries(presentPrinters(services, PrinterLabelStyle::PortModel)),
              std::vector<std::string>{"Todas as impressoras"});
}

TEST(FormsCommonPrinterChoice, FirstEntryOrNoneMeansEveryPrinter) {
    EXPECT_EQ(selectionValue(-1), 99);
    EXPECT_EQ(selectionValue(0), 99);
    EXPECT_EQ(selectionValue(1), 0);
    EXPECT_EQ(selectionValue(3), 2);
}

TEST(FormsCommonRecord, TextsStayInsideTheirSlotAndTheRecord) {
    FormRecord record(12, 'x');
    putRecordText(record, 2, 6, "Ação e mais");
    // Five Windows-1252 bytes and the slot's zero; the bytes around are untouched.
    EXPECT_EQ(std::string(record.data(), 2), "xx");
    EXPECT_EQ(std::string(record.data() + 2, 6), std::string("A\xe7\xe3o \0", 6));
    EXPECT_EQ(record[8], 'x');
    EXPECT_EQ(recordText(record, 2, 6), "Ação ");

    putRecordText(record, 10, 8, "longo"); // only two bytes left: one character and the zero
    EXPECT_EQ(std::string(record.data() + 10, 2), std::string("l\0", 2));
    putRecordText(record, 40, 4, "fora");
    EXPECT_EQ(recordText(record, 40, 4), "");

    // A slot the printer filled to its last byte is read whole only when asked to.
    FormRecord full = {'1', '2', '3', '4'};
    EXPECT_EQ(recordText(full, 0, 4), "123");
    EXPECT_EQ(recordChars(full, 0, 4), "1234");
    EXPECT_EQ(recordChars(full, 2, 10), "34");
}

class FormsCommonRegistry : public ::testing::Test {
protected:
    FormsCommonRegistry() : file(path, programDir.path(), prompts, frame) {
        path = file.defaultPath();
    }
    FormEntry entry(InitialData data, std::size_t size) {
        return {"CRightView_test", FormMode::Send, data, size, nullptr};
    }

    TempDir programDir;
    std::string path;
    RecordingPrompts prompts;
    RecordingFrame frame;
    CommandFileStore file;
};

TEST_F(FormsCommonRegistry, LastValuesComeFromTheBlockASendWrote) {
    std::vector<char> sent(30, '\0');
    std::memcpy(sent.data(), "Operador 7", 10);
    ASSERT_TRUE(file.writeCommandFile(6, 15, sent));

    const auto last = initialRecord(entry(InitialData::LastValues, 30), 6, 15, file);
    ASSERT_EQ(last.size(), 30u);
    EXPECT_EQ(recordText(last, 0, 21), "Operador 7");
    // The block holds 21 bytes; the rest of the record starts zeroed, not with the file's
    // neighbouring bytes.
    EXPECT_TRUE(std::all_of(last.begin() + 21, last.end(), [](char c) { return c == 0; }));

    const auto empty = initialRecord(entry(InitialData::Empty, 30), 6, 15, file);
    EXPECT_EQ(empty, FormRecord(30, '\0'));
    EXPECT_TRUE(initialRecord(entry(InitialData::None, 30), 6, 15, file).empty());
    // A code without a block is neither stored nor pre-filled.
    ASSERT_TRUE(file.writeCommandFile(6, 1, sent));
    EXPECT_EQ(initialRecord(entry(InitialData::LastValues, 30), 6, 1, file), FormRecord(30, '\0'));
}

TEST_F(FormsCommonRegistry, SaveAsStartsWithTheWorkingFilesIdentification) {
    std::vector<char> identified(kFileRequestSize, '\0');
    std::memcpy(identified.data() + kFileRequestPathSize, "Loja 1", 6);
    std::string named = programDir.file("named.cmd");
    std::memcpy(identified.data(), named.c_str(), named.size());
    ASSERT_TRUE(file.writeCommandFile(10, 2, identified)); // a new file, not the working one
    std::vector<char> working(30, '\0');
    ASSERT_TRUE(file.writeCommandFile(6, 15, working));
    std::filesystem::copy_file(named, path, std::filesystem::copy_options::overwrite_existing);

    const auto saveAs =
        initialRecord(entry(InitialData::LastValues, kFileRequestSize), 10, 3, file);
    EXPECT_EQ(recordText(saveAs, kFileRequestPathSize, 1024), "Loja 1");
}

TEST(FormsCommonRegistryTable, FindsWhatWasAddedAndTheLastAdditionWins) {
    FormRegistry registry;
    registry.add(6, 7, {"A", FormMode::Send, InitialData::LastValues, 10, nullptr});
    registry.add(7, 9, {"A", FormMode::Read, InitialData::Empty, 10, nullptr});
    registry.add(6, 7, {"B", FormMode::Send, InitialData::LastValues, 12, nullptr});
    ASSERT_NE(registry.find(6, 7), nullptr);
    EXPECT_EQ(registry.find(6, 7)->formClass, "B");
    EXPECT_EQ(registry.find(7, 9)->mode, FormMode::Read);
    EXPECT_EQ(registry.find(7, 6), nullptr);
    EXPECT_EQ(registry.size(), 2u);
}

TEST(FormsCommonRegistryTable, OnlyASequenceStepRunsInsideTheSequence) {
    EXPECT_TRUE(formRunsAlone(FormMode::Send, 99));
    EXPECT_FALSE(formRunsAlone(FormMode::Send, 1));
    EXPECT_FALSE(formRunsAlone(FormMode::Plain, 0));
    EXPECT_TRUE(formRunsAlone(FormMode::Read, 1)); // a reading is never a sequence step
}

TEST(FormsCommonSequence, AbandoningAsksAndOnYesGivesTheTreeBack) {
    FakeFormServices services;
    services.step = 3;
    EXPECT_TRUE(sequenceRunning(services));
    services.recordedPrompts.answers = {false, true};
    EXPECT_FALSE(abandonSequence(services));
    EXPECT_FALSE(services.treeEnabled);
    EXPECT_TRUE(services.switches.empty());
    EXPECT_TRUE(abandonSequence(services));
    EXPECT_TRUE(services.treeEnabled);
    EXPECT_EQ(services.switches, (std::vector<std::pair<int, int>>{{0, 0}}));
    EXPECT_EQ(services.step, 3); // kept until the next pick in the tree
    ASSERT_EQ(services.recordedPrompts.messages.size(), 2u);
    EXPECT_EQ(services.recordedPrompts.messages[0].title, "Alerta Morvelan");
    EXPECT_EQ(services.recordedPrompts.messages[0].text,
              "Deseja realmente abandonar a sequência de lacração?");
    services.step = 99;
    EXPECT_FALSE(sequenceRunning(services));
}

} // namespace
} // namespace morvelan::test
