// Operations 3.1 to 3.3 end to end: the engine, libInterfaceKorva.so, key generation's module
// and the virtual printer, which unwraps and checks every key it is given; the history and the
// key file are then read byte by byte.
#include "TempDir.h"
#include "TestDoubles.h"
#include "core/base/AtomicFile.h"
#include "core/base/Cp1252.h"
#include "core/base/RegularFile.h"
#include "core/engine/Engine.h"
#include "core/features/keys/KeyGeneratorModule.h"
#include "core/features/keys/KeyHistory.h"
#include "core/features/keys/KeyOperations.h"
#include "core/features/keys/KeyRecordFile.h"

#include "VirtualPrinterState.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace morvelan::keys::test {
namespace {

using morvelan::tables::test::editPrinter;
using morvelan::tables::test::printer;

std::string padded(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

class KeyVirtualPrinter : public ::testing::TestWithParam<const char*> {
protected:
    KeyVirtualPrinter()
        : engine(bindLibrary(MORVELAN_LIBRARY_DIR, libraryLogDirectory(dataDir.path())), prompts,
                 frame, programDir.path()) {
        const std::string model = GetParam();
        editPrinter([&model](korva::PrinterState& s) {
            s = korva::factoryState(*korva::findModel(model));
            s.user.cnpj = "11222333000181";
        });
        registerKeyOperations(engine);
    }

    int run(int step) {
        std::vector<char> request(kKeyRequestSize, '\0');
        engine.runOperation(3, step, request, kAllPrinters);
        return engine.resultRecords[0].resultCode;
    }

    std::string keyFile() const {
        return readWholeFile(keyRecordPath(programDir.path())).value_or("");
    }

    morvelan::test::TempDir programDir, dataDir;
    morvelan::test::RecordingPrompts prompts;
    morvelan::test::RecordingFrame frame;
    Engine engine;
};

TEST_P(KeyVirtualPrinter, GenerateEnableAndReadAppendOneRecordPerReading) {
    // No history yet: the first record creates it.
    ASSERT_EQ(run(1), 0);
    EXPECT_EQ(printer().key.state, korva::KeyState::Loaded);
    const std::string history = readWholeFile(keyHistoryPath(programDir.path())).value_or("");
    ASSERT_EQ(history.size(), kHistoryFileSize);
    EXPECT_EQ(history[2001], 1);
    EXPECT_EQ(history[2000], 0);
    EXPECT_NE(history.substr(0, 20), std::string(20, '\0'));
    EXPECT_TRUE(keyFile().empty());

    ASSERT_EQ(run(2), 0);
    EXPECT_EQ(printer().key.state, korva::KeyState::Enabled);
    ASSERT_EQ(run(3), 0);
    ASSERT_EQ(run(3), 0);

    const std::string file = keyFile();
    ASSERT_EQ(file.size(), 3 * kKeyRecordSize);
    const korva::PrinterState state = printer();
    ASSERT_EQ(state.key.publicKey.size(), 262U);
    for (std::size_t r = 0; r < 3; ++r) {
        const std::string record = file.substr(r * kKeyRecordSize, kKeyRecordSize);
        EXPECT_EQ(record.substr(0, 20), padded(state.mfSerial, 20));
        EXPECT_EQ(record.substr(20, 18), padded("11222333000181", 18));
        EXPECT_EQ(record.substr(38, 262), state.key.publicKey);
        EXPECT_EQ(record.substr(300, 1018), std::string(1018, '\0'));
        EXPECT_EQ(record[1318], '\n');
    }
}

TEST_P(KeyVirtualPrinter, EachGenerationRecordsANewPairInTheHistory) {
    ASSERT_TRUE(replaceFileAtomically(keyHistoryPath(programDir.path()),
                                      std::string(kHistoryFileSize, '\0')));
    ASSERT_EQ(run(1), 0);
    const std::string firstKey = printer().key.publicKey;
    ASSERT_EQ(run(1), 0);
    EXPECT_NE(printer().key.publicKey, firstKey);
    const std::string history = readWholeFile(keyHistoryPath(programDir.path())).value_or("");
    ASSERT_EQ(history.size(), kHistoryFileSize);
    EXPECT_EQ(history[2001], 2);
    EXPECT_NE(history.substr(0, 20), history.substr(20, 20));
}

TEST_P(KeyVirtualPrinter, FailedEnablingAppendsNothing) {
    // No key loaded: the printer refuses to enable one.
    EXPECT_NE(run(2), 0);
    EXPECT_TRUE(keyFile().empty());
}

TEST_P(KeyVirtualPrinter, AKeyThatCannotBeMadeIsAFailureThatSaysWhy) {
    morvelan::test::TempDir empty, impostor;
    std::filesystem::copy_file(std::string(MORVELAN_LIBRARY_DIR) + "/" + kLibraryFileName,
                               impostor.file(kKeyGeneratorFileName));
    const RandomSource failing = [](std::span<std::uint8_t>) {
        throw std::runtime_error("no random bytes");
    };
    struct Case {
        const char* name;
        std::string libraryDirectory;
        RandomSource random;
        const char* resultLine;
    };
    const Case cases[] = {
        {"no module", empty.path(), systemRandomSource(), kKeyGeneratorMissingLine},
        {"another library under its name", impostor.path(), systemRandomSource(),
         kKeyGeneratorMissingLine},
        {"the module of another build", MORVELAN_OTHER_BUILD_KEYGEN_DIR, systemRandomSource(),
         kKeyGeneratorMissingLine},
        {"a failing random source", MORVELAN_LIBRARY_DIR, failing, kKeyGenerationFailedLine},
    };
    for (const Case& c : cases) {
        engine.libraryDirectory = c.libraryDirectory;
        registerKeyOperations(engine, c.random);
        EXPECT_NE(run(1), 0) << c.name;
        EXPECT_EQ(fromCp1252Field(engine.resultRecords[0].resultLine), c.resultLine) << c.name;
        EXPECT_EQ(printer().key.state, korva::KeyState::None) << c.name;
    }
    EXPECT_FALSE(std::filesystem::exists(keyHistoryPath(programDir.path())));
}

INSTANTIATE_TEST_SUITE_P(Generations, KeyVirtualPrinter,
                         ::testing::Values("qp-r4100-mkiii", "qp-l30"),
                         [](const auto& info) { return info.param[3] == 'r' ? "Mkiii" : "Other"; });

} // namespace
} // namespace morvelan::keys::test
