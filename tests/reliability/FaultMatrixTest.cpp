// Every fault the virtual printer can stage, met through the program's own operations (the engine
// and the forms' logic, as the forms call them): each ends with the message the technician is
// owed, keeps every setting the printer had, leaves no worker running and ends in bounded time.
#include "EngineFormServices.h"
#include "PaperRoll.h"
#include "SoakProcessFigures.h"
#include "TempDir.h"
#include "TestDoubles.h"
#include "UpdateFiles.h"
#include "VirtualPrinterState.h"
#include "core/engine/Engine.h"
#include "core/features/tables/TableEditor.h"
#include "core/features/update/UpdateSession.h"
#include "core/modules/CoreModules.h"
#include "core/scripts/executor/ScriptRunner.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <fstream>
#include <functional>
#include <mutex>
#include <thread>

namespace morvelan::reliability::test {
namespace {

using morvelan::test::EngineFormServices;
using morvelan::test::RecordingFrame;
using morvelan::test::RecordingPrompts;
using morvelan::test::TempDir;
using tables::test::editPrinter;
using tables::test::printer;
using namespace std::chrono_literals;

// Ends the whole test program when a case overruns: a hang must fail, not stall the suite.
class Deadline {
public:
    Deadline(std::chrono::seconds limit, std::string what)
        : watcher_([this, limit, what = std::move(what)] {
              std::unique_lock lock(mutex_);
              if (!finished_.wait_for(lock, limit, [this] { return over_; })) {
                  std::fprintf(stderr, "%s: still running after %llds\n", what.c_str(),
                               static_cast<long long>(limit.count()));
                  std::_Exit(1);
              }
          }) {}
    ~Deadline() {
        {
            const std::lock_guard lock(mutex_);
            over_ = true;
        }
        finished_.notify_one();
        watcher_.join();
    }

private:
    std::mutex mutex_;
    std::condition_variable finished_;
    bool over_ = false;
    std::thread watcher_;
};

// The recorded prompts, with a hand of the technician's on every message (loading paper,
// pulling the cable) before it is answered.
class HandsOnPrompts final : public Prompts {
public:
    void message(const std::string& title, const std::string& text, PromptIcon icon) override {
        recorded.message(title, text, icon);
        if (onMessage) {
            onMessage(text);
        }
    }
    bool askYesNo(const std::string& title, const std::string& text, PromptIcon icon) override {
        const bool queued = recorded.askYesNo(title, text, icon);
        return yesToAll || queued;
    }
    bool askOkCancel(const std::string& title, const std::string& text, PromptIcon icon) override {
        return recorded.askOkCancel(title, text, icon);
    }
    std::optional<std::string> openFile(const std::string& filter,
                                        const std::string& extension) override {
        return recorded.openFile(filter, extension);
    }
    std::optional<std::string> saveFile(const std::string& filter,
                                        const std::string& extension) override {
        return recorded.saveFile(filter, extension);
    }

    RecordingPrompts recorded;
    std::function<void(const std::string& text)> onMessage;
    bool yesToAll = false; // "Sim" to every question, however many the flow asks
};

// The frame's wait behind the progress dialog, with something done to the printer meanwhile.
class HandsOnFrame final : public RecordingFrame {
public:
    void waitForWorker(const std::atomic<std::uint8_t>& done) override {
        events.push_back("waitForWorker");
        while (done.load(std::memory_order_acquire) != 1) {
            if (whileWaiting) {
                whileWaiting();
            }
            std::this_thread::sleep_for(1ms);
        }
    }
    std::function<void()> whileWaiting;
};

void power(bool on) {
    editPrinter([on](korva::PrinterState& s) { s.poweredOn = on; });
}

// What the technician configured, without the day's counters, the mechanics and the faults.
nlohmann::json settingsOf(const korva::PrinterState& state) {
    nlohmann::json all = korva::toJson(state);
    for (const char* passing : {"day", "events", "mechanics", "poweredOn", "slowMs", "faults",
                                "update", "clockOffset", "portStatus"}) {
        all.erase(passing);
    }
    return all;
}

std::string text(const char* field, std::size_t size) {
    return std::string(field, strnlen(field, size));
}

std::size_t occurrences(const std::string& haystack, const std::string& needle) {
    std::size_t count = 0;
    for (std::size_t at = haystack.find(needle); at != std::string::npos;
         at = haystack.find(needle, at + needle.size())) {
        ++count;
    }
    return count;
}

class FaultMatrix : public ::testing::Test {
protected:
    FaultMatrix()
        : engine(bindLibrary(MORVELAN_LIBRARY_DIR, libraryLogDirectory(dataDir.path())), prompts,
                 frame, programDir.path()),
          services(engine) {
        tables::test::resetPrinter();
        korva::paper::clear(korva::paper::rollPath(tables::test::StateEnvironment::path()));
        registerCoreModules(engine);
    }

    // Runs one case under a time limit and checks that it leaves no thread behind.
    void bounded(const std::function<void()>& body, std::chrono::seconds limit = 60s) {
        const Deadline deadline(limit,
                                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        const int threads = threadCount();
        body();
        // A joined thread may stay listed for a moment while the kernel reaps it; a worker that
        // still runs stays listed.
        for (int wait = 0; wait < 200 && threadCount() > threads; ++wait)
            std::this_thread::sleep_for(10ms);
        EXPECT_EQ(threadCount(), threads) << "a worker is still running";
    }

    void detect() {
        engine.detectionNeeded = 1;
        ASSERT_TRUE(engine.ensurePrinter());
        ASSERT_EQ(engine.printerPresent[0], 1);
    }
    std::string shownLine() const {
        return text(frame.shownRecord.resultLine, sizeof frame.shownRecord.resultLine);
    }
    void printX() { engine.runOperation(8, 1, {}, kAllPrinters); }
    std::string runScript(const std::string& lines) {
        const std::string path = programDir.file("falhas.SEQ");
        std::ofstream(path, std::ios::binary) << lines;
        ScriptRunner runner(engine);
        ScriptLogs logs;
        outcome = runner.runScript(path, logs, kAllPrinters);
        return logs[0];
    }
    std::string label() const {
        return "( " + engine.portName[0] + " - " + engine.modelName[0] + " )";
    }
    std::size_t messagesWith(const std::string& part) const {
        std::size_t count = 0;
        for (const auto& call : prompts.recorded.messages) {
            count += call.text.find(part) != std::string::npos ? 1 : 0;
        }
        return count;
    }

    TempDir programDir, dataDir, filesDir;
    HandsOnPrompts prompts;
    HandsOnFrame frame;
    Engine engine;
    EngineFormServices services;
    ScriptWorkerOutcome outcome;
};

const std::string kOk = "( 0000 ) - Resultado sem erro";

TEST_F(FaultMatrix, PrinterSwitchedOffBeforeAnOperation) {
    for (const bool detectedBefore : {true, false}) {
        SCOPED_TRACE(detectedBefore ? "detected before" : "detection pending");
        bounded([&] {
            tables::test::resetPrinter();
            if (detectedBefore) {
                detect();
            } else {
                engine.detectionNeeded = 1;
            }
            const nlohmann::json before = settingsOf(printer());
            power(false);
            prompts.recorded.messages.clear();
            printX();
            if (detectedBefore) {
                EXPECT_EQ(shownLine(), kOfflineResultLine);
                EXPECT_NE(frame.shownRecord.resultCode, 0);
            } else {
                // Nothing ran: the detection said so, and the next operation detects again.
                ASSERT_EQ(prompts.recorded.messages.size(), 1U);
                EXPECT_EQ(prompts.recorded.messages[0].text, kNoPrinterMessage);
                EXPECT_EQ(shownLine(), "");
                EXPECT_EQ(engine.detectionNeeded, 1);
            }
            power(true);
            printX();
            EXPECT_EQ(shownLine(), kOk);
            EXPECT_EQ(settingsOf(printer()), before);
        });
    }
}

TEST_F(FaultMatrix, PrinterSwitchedOffDuringATableWriteKeepsWhatItHadAndTheSentRows) {
    bounded([&] {
        editPrinter([](korva::PrinterState& s) {
            s.payments.push_back({2, "Cheque", false, 0});
            s.slowMs = 40;
        });
        const auto before = printer().payments;
        tables::TableEditor editor(engine, tables::kPaymentTable, [] {});
        tables::FormRows rows = tables::displayRows(tables::kPaymentTable, {});
        rows[1].text = "Cheque";
        rows[2].text = "Cartao";
        rows[3].text = "Vale";
        rows[4].text = "Ticket";
        rows[5].text = "Pix";
        // The cable goes as soon as the first new method is registered.
        frame.whileWaiting = [&] {
            if (printer().payments.size() > before.size()) {
                power(false);
                frame.whileWaiting = nullptr;
            }
        };
        prompts.recorded.answers = {true};
        editor.send(rows, kAllPrinters);

        const auto after = printer().payments;
        ASSERT_GT(after.size(), before.size());
        EXPECT_LT(after.size(), before.size() + 4) << "the power cut came too late";
        for (std::size_t i = 0; i < before.size(); ++i) {
            EXPECT_EQ(after[i].name, before[i].name);
        }
        const std::string& errors = engine.tableErrorText[0];
        EXPECT_EQ(occurrences(errors, kOfflineResultLine), before.size() + 4 - after.size())
            << errors;
        EXPECT_EQ(occurrences(errors, "Erro ao tentar cadastrar a forma de pagamento ( 06 - Pix )"),
                  1U);
        ASSERT_FALSE(prompts.recorded.messages.empty());
        EXPECT_EQ(prompts.recorded.messages.back().title, kErrorTitle);
        EXPECT_EQ(prompts.recorded.messages.back().text, label() + "\n\n" + errors);

        // The rows sent stay in the command file; sent again with the printer back on, they all
        // land.
        power(true);
        std::vector<char> stored(sizeof(tables::PaymentRequest), '\0');
        engine.commandFile().readCommandFile(6, tables::kPaymentTable, stored);
        tables::TableEditor again(engine, tables::kPaymentTable, [] {});
        again.load(stored);
        prompts.recorded.answers = {true};
        again.send(again.rows(), kAllPrinters);
        EXPECT_EQ(printer().payments.size(), before.size() + 4);
        EXPECT_EQ(printer().payments.back().name, "Pix");
    });
}

TEST_F(FaultMatrix, PrinterSwitchedOffDuringAScriptAnswersOfflineForTheRest) {
    bounded([&] {
        detect();
        const nlohmann::json before = settingsOf(printer());
        prompts.onMessage = [](const std::string& message) {
            if (message.ends_with("Desligue a impressora")) {
                power(false);
            }
        };
        const std::string log =
            runScript("0002|0000\r\n#Desligue a impressora\r\n0002|0000\r\n0002|0000\r\n");
        EXPECT_EQ(occurrences(log, "Resposta: " + kOk + "\r\n"), 1U) << log;
        EXPECT_EQ(occurrences(log, std::string("Resposta: ") + kOfflineResultLine + "\r\n"), 2U)
            << log;
        EXPECT_EQ(outcome.commandsSent, 3);
        EXPECT_EQ(outcome.commandsFailed, 2);
        EXPECT_EQ(messagesWith(label() + "\nDesligue a impressora"), 1U);
        power(true);
        EXPECT_EQ(settingsOf(printer()), before);
    });
}

TEST_F(FaultMatrix, PrinterSwitchedOffDuringAnUpdateKeepsItsSoftwareUntilSentAgain) {
    bounded([&] {
        editPrinter(
            [](korva::PrinterState& s) { s = korva::factoryState(*korva::findModel("qp-l30")); });
        update::test::makeUpdateFile(filesDir.path(), "V005");
        detect();
        const nlohmann::json before = settingsOf(printer());
        UpdateProgress progress[kSlotCount];
        update::UpdateHooks hooks;
        hooks.directory = filesDir.path();
        int pauses = 0;
        // Three parts; the printer goes off during the pause after the first.
        hooks.pause = [&](int) {
            if (++pauses == 1) {
                power(false);
            }
        };
        hooks.wait = [](const UpdateProgress& p) {
            while (p.done.load() == 0) {
                std::this_thread::sleep_for(1ms);
            }
        };
        prompts.yesToAll = true;
        update::sendUpdate(services, kAllPrinters, hooks, progress);
        ASSERT_FALSE(prompts.recorded.messages.empty());
        const std::string result = prompts.recorded.messages.back().text;
        EXPECT_NE(result.find(std::string("\n\n") + update::kStartErrorText), std::string::npos)
            << result;
        EXPECT_TRUE(result.ends_with(update::kInterruptedNote)) << result;
        EXPECT_EQ(pauses, 1);
        EXPECT_EQ(progress[0].done.load(), 1);
        power(true);
        EXPECT_EQ(settingsOf(printer()), before);

        update::sendUpdate(services, kAllPrinters, hooks, progress);
        EXPECT_NE(prompts.recorded.messages.back().text.find(update::kSuccessText),
                  std::string::npos)
            << prompts.recorded.messages.back().text;
        EXPECT_EQ(printer().version, "1.02 BRF");
    });
}

TEST_F(FaultMatrix, PaperLowDuringAScriptWaitsUntilPaperIsLoaded) {
    for (const int promptsBeforeLoading : {1, 3}) {
        SCOPED_TRACE(promptsBeforeLoading);
        bounded([&] {
            detect();
            prompts.recorded.messages.clear();
            editPrinter([](korva::PrinterState& s) { s.mechanics.paper = korva::Paper::Low; });
            const std::string prompt = label() +
                                       " \nImpressora com pouco papel!\nColoque uma nova bobina e "
                                       "clique em 'OK";
            int shown = 0;
            prompts.onMessage = [&](const std::string& message) {
                if (message == prompt && ++shown == promptsBeforeLoading) {
                    editPrinter(
                        [](korva::PrinterState& s) { s.mechanics.paper = korva::Paper::Ok; });
                }
            };
            const std::string log = runScript("0002|0000\r\n0002|0000\r\n");
            EXPECT_EQ(shown, promptsBeforeLoading);
            EXPECT_EQ(prompts.recorded.messages.size(),
                      static_cast<std::size_t>(promptsBeforeLoading));
            EXPECT_EQ(prompts.recorded.messages[0].title, kAlertTitle);
            EXPECT_EQ(prompts.recorded.messages[0].icon, PromptIcon::Information);
            EXPECT_EQ(occurrences(log, "Resposta: " + kOk), 2U) << log;
            EXPECT_EQ(outcome.commandsFailed, 0);
        });
    }
}

TEST_F(FaultMatrix, PrintedReadingWithoutPaperOrWithTheCoverOpenPrintsNothing) {
    struct Case {
        const char* name;
        std::function<void(korva::Mechanics&)> fault;
        std::string line;
    };
    const Case cases[] = {
        {"paper out", [](korva::Mechanics& m) { m.paper = korva::Paper::Out; },
         "( 0008 ) - Impressora sem papel."},
        {"cover open", [](korva::Mechanics& m) { m.coverOpen = true; },
         "( 0009 ) - Tampa da impressora aberta."},
    };
    const auto roll = korva::paper::rollPath(tables::test::StateEnvironment::path());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bounded([&] {
            tables::test::resetPrinter();
            korva::paper::clear(roll);
            detect();
            const auto before = printer();
            editPrinter([&](korva::PrinterState& s) { c.fault(s.mechanics); });
            printX();
            EXPECT_EQ(shownLine(), c.line);
            EXPECT_TRUE(korva::paper::documents(roll).empty());
            EXPECT_EQ(printer().day.coo, before.day.coo);
            EXPECT_EQ(settingsOf(printer()), settingsOf(before));

            editPrinter([](korva::PrinterState& s) { s.mechanics = korva::Mechanics{}; });
            printX();
            EXPECT_EQ(shownLine(), kOk);
            EXPECT_EQ(korva::paper::documents(roll).size(), 1U);
        });
    }
}

TEST_F(FaultMatrix, SlowPrinterIsWaitedFor) {
    bounded(
        [&] {
            detect();
            editPrinter([](korva::PrinterState& s) { s.slowMs = 300; });
            const auto start = std::chrono::steady_clock::now();
            printX();
            EXPECT_GE(std::chrono::steady_clock::now() - start, 300ms);
            EXPECT_EQ(shownLine(), kOk);
            const std::string log = runScript("0002|0000\r\n");
            EXPECT_EQ(occurrences(log, "Resposta: " + kOk), 1U) << log;
        },
        30s);
}

TEST_F(FaultMatrix, CommandFailingItsNextTimesFailsExactlyThoseTimes) {
    for (const int times : {1, 2, 3}) {
        SCOPED_TRACE(times);
        bounded([&] {
            detect();
            editPrinter([&](korva::PrinterState& s) { s.faults["0002"] = {times, "0006"}; });
            const std::string log =
                runScript("0002|0000\r\n0002|0000\r\n0002|0000\r\n0002|0000\r\n");
            EXPECT_EQ(occurrences(log, "Resposta: ( 0006 ) - "), static_cast<std::size_t>(times))
                << log;
            EXPECT_EQ(occurrences(log, "Resposta: " + kOk), static_cast<std::size_t>(4 - times));
            EXPECT_EQ(outcome.commandsFailed, times);
            EXPECT_EQ(printer().faults.count("0002"), 0U);
        });
    }
}

} // namespace
} // namespace morvelan::reliability::test
