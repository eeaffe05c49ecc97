// "Enviar" of the software update end to end: the engine, libInterfaceKorva.so and its virtual
// printer, whose exchange log and software version are read back afterwards.
#include "EngineFormServices.h"
#include "TempDir.h"
#include "TestDoubles.h"
#include "UpdateFiles.h"
#include "VirtualPrinterState.h"
#include "core/features/update/UpdateSession.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <sstream>

namespace morvelan::update {
namespace {

using morvelan::test::RecordingFrame;
using morvelan::test::RecordingPrompts;
using morvelan::test::TempDir;
using tables::test::editPrinter;
using tables::test::printer;

class UpdatePrinter : public ::testing::Test {
protected:
    UpdatePrinter()
        : engine(bindLibrary(MORVELAN_LIBRARY_DIR, libraryLogDirectory(dataDir.path())), prompts,
                 frame, programDir.path()),
          services(engine) {
        hooks.directory = filesDir.path();
        hooks.pause = [this](int ms) { pausedMs += ms; };
        hooks.wait = [](const UpdateProgress& progress) {
            while (progress.done.load() == 0) {
                std::this_thread::yield();
            }
        };
    }

    void usePrinter(const char* profile) {
        editPrinter(
            [&](korva::PrinterState& s) { s = korva::factoryState(*korva::findModel(profile)); });
    }
    // The first answer declines the backup offered before the confirmation.
    void send(std::deque<bool> answers = {false, true}) {
        prompts.answers = std::move(answers);
        prompts.messages.clear();
        sendUpdate(services, kAllPrinters, hooks, progress);
    }
    std::string lastMessage() const {
        return prompts.messages.empty() ? std::string() : prompts.messages.back().text;
    }
    // The update commands (056A to 056C, 0560, 0562, 0563) the printer received so far.
    std::vector<std::string> updateCommands() const {
        std::vector<std::string> result;
        for (const auto& file : std::filesystem::recursive_directory_iterator(dataDir.path())) {
            if (file.path().extension() != ".log") {
                continue;
            }
            std::istringstream lines(test::readWhole(file.path().string()));
            for (std::string line; std::getline(lines, line);) {
                const std::size_t tab = line.find('\t');
                const std::string command = line.substr(tab + 1, 4);
                if (command == "0560" || command == "0562" || command == "0563" ||
                    (command.starts_with("056") && command[3] >= 'A')) {
                    result.push_back(command);
                }
            }
        }
        return result;
    }

    TempDir programDir, dataDir, filesDir;
    RecordingPrompts prompts;
    RecordingFrame frame;
    Engine engine;
    morvelan::test::EngineFormServices services;
    UpdateHooks hooks;
    UpdateProgress progress[kSlotCount];
    int pausedMs = 0;
};

TEST_F(UpdatePrinter, CompleteTransfersChangeTheVersionOnceForEachProcedure) {
    struct Case {
        const char* profile;
        const char* file;
        const char* updated;
        int parts;
    };
    const Case cases[] = {
        {"qp-r4100-mkiii", "V004", "4.00.13 BRF", 1}, // section 16
        {"qp-l30-mkiii", "V004", "2.00.13 BRF", 3},   // section 19
        {"qp-r4100", "V005", "1.02 BRF", 1},          // section 2
        {"qp-l30", "V005", "1.02 BRF", 3},            // section 14
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.profile);
        usePrinter(c.profile);
        engine.detectionNeeded = 1;
        test::makeUpdateFile(filesDir.path(), c.file);
        pausedMs = 0;
        send();
        ASSERT_EQ(prompts.messages.size(), 3u);
        EXPECT_EQ(prompts.messages[0].kind, "yesno");
        EXPECT_NE(lastMessage().find("Operação Finalizada com sucesso."), std::string::npos)
            << lastMessage();
        EXPECT_EQ(printer().version, c.updated);
        EXPECT_EQ(pausedMs, 20000 * c.parts);
        EXPECT_EQ(progress[0].done.load(), 1);

        const std::size_t before = updateCommands().size();
        EXPECT_GT(before, 0u);
        send();
        EXPECT_EQ(lastMessage(), "A Impressora já está habilitada.");
        EXPECT_EQ(prompts.messages.back().icon, PromptIcon::Warning);
        EXPECT_EQ(updateCommands().size(), before);
    }
}

TEST_F(UpdatePrinter, FailingDataLinesAreRetriedThreeTimes) {
    usePrinter("qp-l20");
    test::makeUpdateFile(filesDir.path(), "V005");
    editPrinter([](korva::PrinterState& s) { s.faults["0562"] = {2, "0006"}; });
    send();
    EXPECT_NE(lastMessage().find("Operação Finalizada com sucesso."), std::string::npos);
    EXPECT_EQ(printer().version, "1.02 BRF");

    usePrinter("qp-l20");
    editPrinter([](korva::PrinterState& s) { s.faults["0562"] = {3, "0006"}; });
    send();
    EXPECT_EQ(lastMessage().rfind(engine.modelName[0] + " :: " + engine.portName[0] +
                                      "\n\nErro no meio processo interno.",
                                  0),
              0u)
        << lastMessage();
    EXPECT_NE(lastMessage().find("NÃO desligue a impressora"), std::string::npos);
    EXPECT_EQ(printer().version, "1.00 BRF");
    ASSERT_FALSE(updateCommands().empty());
    EXPECT_EQ(updateCommands().back(), "0562");
}

TEST_F(UpdatePrinter, BadFilesAndRefusalsSendNoUpdateCommand) {
    usePrinter("qp-l30");
    for (const char* damage : {"short", "outside", "reversed", "misaligned", "long-line"}) {
        SCOPED_TRACE(damage);
        test::makeUpdateFile(filesDir.path(), "V005", std::string("--damage ") + damage);
        send();
        ASSERT_EQ(prompts.messages.size(), 1u) << "asked before the file was checked";
        EXPECT_EQ(prompts.messages[0].title, "Erro Morvelan");
        EXPECT_NE(lastMessage().find("Nada foi enviado"), std::string::npos);
    }
    std::filesystem::remove(filesDir.path() + "/V005.IBF");
    send();
    EXPECT_NE(lastMessage().find("\"V005.IBF\" não encontrado"), std::string::npos);

    // A declined confirmation, and a printer out of technical mode.
    test::makeUpdateFile(filesDir.path(), "V005");
    send({false});
    EXPECT_EQ(prompts.messages.back().kind, "yesno");
    editPrinter([](korva::PrinterState& s) { s.mit = false; });
    send();
    EXPECT_EQ(lastMessage(), kNotInMitText);
    EXPECT_TRUE(updateCommands().empty());
    EXPECT_EQ(printer().version, "1.01 BRF");
}

TEST_F(UpdatePrinter, LinesThePrinterWouldRefuseStopTheUpdateBeforeItStarts) {
    struct Case {
        const char* profile;
        const char* file;
        const char* damage;
        std::size_t firstPart;  // trailer entry of the section's first part
        std::size_t lineInPart; // of the damaged line, from 0
        const char* says;
    };
    // Sections 14 (parts 9 to 11, three header lines each) and 19 (parts 15 to 17, a skipped
    // line and a header each); four data lines a part, the second one damaged.
    const Case cases[] = {
        {"qp-l30", "V005", "flipped-byte", 9, 4, "tem a soma de verificação errada"},
        {"qp-l30", "V005", "bad-line", 9, 4, "tem a soma de verificação errada"},
        {"qp-l30", "V005", "non-hex", 9, 4, "tem na coluna"},
        {"qp-l30", "V005", "odd-digits", 9, 4, "tem um número ímpar de dígitos"},
        {"qp-l30", "V005", "end-on-fim", 9, 7, "não começa com \":\""},
        {"qp-l30-mkiii", "V004", "end-on-fim", 15, 6, "não começa com \":\""},
        {"qp-l30-mkiii", "V004", "bad-line", 15, 3, "tem a soma de verificação errada"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " " + c.damage);
        usePrinter(c.profile);
        engine.detectionNeeded = 1;
        test::makeUpdateFile(filesDir.path(), c.file, std::string("--damage ") + c.damage);
        const std::string bytes = test::readWhole(filesDir.path() + "/" + c.file + ".IBF");
        const std::size_t trailer = bytes.size() - kTrailerBytes;
        std::uint32_t partStart = 0;
        std::memcpy(&partStart, bytes.data() + trailer + 4 * c.firstPart, 4);
        const auto line = std::count(bytes.begin(), bytes.begin() + partStart, '\n') + 1 +
                          static_cast<std::ptrdiff_t>(c.lineInPart);
        const std::string before = korva::toJson(printer()).dump();

        send();
        ASSERT_EQ(prompts.messages.size(), 1u) << "asked before the file was checked";
        EXPECT_EQ(prompts.messages[0].title, "Erro Morvelan");
        const std::string text = lastMessage();
        for (const std::string& part :
             {std::string("\"") + c.file + ".IBF\"",
              std::string("parte 1: a linha ") + std::to_string(line) + " " + c.says,
              std::string("Nada foi enviado à impressora.")}) {
            EXPECT_NE(text.find(part), std::string::npos) << part << " in\n" << text;
        }
        EXPECT_TRUE(updateCommands().empty());
        EXPECT_EQ(korva::toJson(printer()).dump(), before);
    }
}

TEST_F(UpdatePrinter, FailedReadingIsReported) {
    usePrinter("qp-l30");
    editPrinter([](korva::PrinterState& s) { s.faults["0566"] = {1, "0006"}; });
    send();
    EXPECT_EQ(lastMessage(),
              engine.modelName[0] + " :: " + engine.portName[0] + "\n\n" + kReadFailedText);
    EXPECT_TRUE(updateCommands().empty());
}

} // namespace
} // namespace morvelan::update
