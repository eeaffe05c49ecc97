// The port, the state file shared between processes, faults, the log and concurrent callers.
#include <fstream>
#include <set>
#include <sstream>
#include <thread>
#include <utility>
#include <vector>

#include <unistd.h>

#include <nlohmann/json.hpp>

#include "DeviceFixture.h"
#include "GoneProcess.h"
#include "StateText.h"

namespace korva::test {
namespace {

using namespace std::string_literals;

using DevicePort = DeviceTest;
using DevicePersistence = DeviceTest;
using DeviceFaults = DeviceTest;
using DeviceLog = DeviceTest;

std::string readFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST_F(DevicePort, OpeningRestartsTheStatusAndClosingStopsExchanges) {
    std::string status = "x";
    EXPECT_EQ(printer->lastStatus(status), KORVA_ERRO_COMANDO);
    EXPECT_EQ(status, "");
    run("0001|0000");
    EXPECT_EQ(printer->lastStatus(status), KORVA_OK);
    EXPECT_EQ(status.size(), 20u);

    printer->closePort();
    EXPECT_FALSE(printer->portOpen());
    EXPECT_EQ(run("0001|0000").result, KORVA_ERRO_PORTA_FECHADA);

    std::string number;
    EXPECT_EQ(printer->openPort("COM2", number), KORVA_ERRO_SEM_RESPOSTA);
    EXPECT_EQ(printer->openPort("LPT1", number), KORVA_ERRO_PARAMETRO);
    EXPECT_EQ(printer->openPort("com1", number), KORVA_OK);
    EXPECT_EQ(number, "1");
    EXPECT_EQ(printer->lastStatus(status), KORVA_ERRO_COMANDO);

    modify([](PrinterState& s) { s.port = "USB"; });
    EXPECT_EQ(printer->openPort("", number), KORVA_OK);
    EXPECT_EQ(number, "0");
}

TEST_F(DevicePort, SwitchedOffPrinterDoesNotAnswer) {
    modify([](PrinterState& s) { s.poweredOn = false; });
    const Exchange e = run("0001|0000");
    EXPECT_EQ(e.result, KORVA_ERRO_SEM_RESPOSTA);
    EXPECT_EQ(e.status, "");
    std::string status;
    EXPECT_EQ(printer->lastStatus(status), KORVA_ERRO_SEM_RESPOSTA);
    std::string number;
    EXPECT_EQ(printer->openPort("", number), KORVA_ERRO_SEM_RESPOSTA);
}

TEST_F(DevicePort, RejectedArgumentNamesTheField) {
    const Exchange e = printer->rejectArgument(1, 3);
    EXPECT_EQ(e.result, KORVA_ERRO_PARAMETRO);
    EXPECT_EQ(e.status.substr(0, 4), "0103");
    EXPECT_EQ(e.status.substr(16), "0004");
}

TEST_F(DevicePersistence, ANewPrinterOnTheSameFileRemembers) {
    ASSERT_EQ(rc("0207|0000|Vendas"), "0000");
    printer.reset();
    VirtualPrinter again(path, clockFn());
    std::string number;
    ASSERT_EQ(again.openPort("", number), KORVA_OK);
    EXPECT_EQ(again.execute("0014|0000").fields.at(1), "02Vendas         ");
}

TEST_F(DevicePersistence, ChangesOfASecondInstanceAreSeenAndKept) {
    VirtualPrinter other(path, clockFn());
    std::string number;
    ASSERT_EQ(other.openPort("", number), KORVA_OK);
    ASSERT_EQ(code(other.execute("0205|0000|Vale")), "0000");
    ASSERT_EQ(rc("0207|0000|Vendas"), "0000"); // must not lose "Vale"
    ASSERT_EQ(code(other.execute("0107|0000|Ana")), "0000");
    const PrinterState s = state();
    EXPECT_EQ(s.nonFiscal.size(), 3u);
    EXPECT_EQ(s.reports.size(), 2u);
    EXPECT_EQ(s.operatorName, "Ana");
    modify([](PrinterState& st) { st.mechanics.paper = Paper::Low; });
    EXPECT_EQ(run("0001|0000").status.substr(8, 4), "0004");
}

// A state put back as it was once read, as a bench puts its printer back between runs, is the
// printer's state again, even after the printer wrote changes of its own over it.
TEST_F(DevicePersistence, AStatePutBackIsTakenAsItWas) {
    modify([](PrinterState& st) { st.operatorName = "Ana"; });
    ASSERT_EQ(rc("0207|0000|Vendas"), "0000");
    const std::string withAna = readFile(path);
    ASSERT_EQ(rc("0107|0000|Bianca"), "0000");
    std::ofstream(path, std::ios::binary | std::ios::trunc) << withAna;
    ASSERT_EQ(rc("0205|0000|Vale"), "0000");
    const PrinterState s = state();
    EXPECT_EQ(s.operatorName, "Ana");
    EXPECT_EQ(s.reports.size(), 2u);
    EXPECT_EQ(s.nonFiscal.size(), 3u);
}

TEST_F(DevicePersistence, DamagedStateFilesAreKeptAsideAndReplaced) {
    ASSERT_EQ(rc("0207|0000|Vendas"), "0000");
    nlohmann::json wrongVersion = nlohmann::json::parse(readFile(path));
    wrongVersion["version"] = 99;
    nlohmann::json wrongShape = nlohmann::json::parse(readFile(path));
    wrongShape["payments"] = "nada";
    nlohmann::json unknownValue = nlohmann::json::parse(readFile(path));
    unknownValue["mode"] = "quebrada";
    std::vector<std::string> damages = {std::string("{not json"), wrongVersion.dump(),
                                        wrongShape.dump(),        unknownValue.dump(),
                                        std::string("[]"),        std::string()};
    // Numbers their fields cannot hold: refused before any conversion, which would be undefined
    // for a floating value out of range.
    const std::pair<nlohmann::json::json_pointer, nlohmann::json> numbers[] = {
        {nlohmann::json::json_pointer("/payments/0/number"), 8.88889e+28},
        {nlohmann::json::json_pointer("/version"), 1e30},
        {nlohmann::json::json_pointer("/day/coo"), 1.5},
        {nlohmann::json::json_pointer("/payments/0/total"), -1},
        {nlohmann::json::json_pointer("/microswitches"), 70000},
        {nlohmann::json::json_pointer("/slowMs"), 4294967296},
    };
    for (const auto& [field, number] : numbers) {
        nlohmann::json state = nlohmann::json::parse(readFile(path));
        state[field] = number;
        damages.push_back(state.dump());
    }
    for (const std::string& damage : damages) {
        {
            std::ofstream out(path, std::ios::trunc);
            out << damage;
        }
        const Exchange e = run("0014|0000");
        ASSERT_EQ(e.result, KORVA_OK) << damage;
        EXPECT_EQ(e.fields.at(1), "02               ") << damage; // a fresh printer
        EXPECT_NO_THROW(fromJson(nlohmann::json::parse(readFile(path))));
    }
    // All within a second or two: each damaged file is kept, none in the place of another.
    std::multiset<std::string> kept;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (entry.path().filename().string().starts_with("printer.json.bad-"))
            kept.insert(readFile(entry.path()));
    }
    EXPECT_EQ(kept.size(), damages.size());
    EXPECT_TRUE(kept == std::multiset<std::string>(damages.begin(), damages.end()));
}

// Every part of the state filled, with texts the file must escape or carry as they are.
PrinterState filledState() {
    PrinterState s = freshPrinter(defaultModel());
    s.mode = FiscalMode::Blocked;
    s.blockReason = BlockReason::SignatureKeyNotEnabled;
    s.fiscalMemory = FiscalMemory::RunningOut;
    s.document = Document::ChequeOrAuthentication;
    s.microswitches = 0xFFFF;
    s.clockOffset = -10800;
    s.user = {1, "11222333000181", "ISENTO", "", "1234"};
    s.pendingUser = PendingUser{"99888777000166", "123", "456", "senha", 2, 3};
    s.operatorName = "\"a\\b/\x01\b\f\n\r\t\x1f\x7f\0"s;
    s.header = {"Padaria São João", "Ñandú € 𝄞", "",
                "\u00a0\u0800\ud7ff\ue000\uffff\U00010000\U0010ffff"};
    s.payments.push_back({2, "Cartão \"Débito\"", true, 123456});
    s.taxRates = {{"Ta", "1800", 987}, {"Sb", "0500", 0}};
    s.day.grandTotal = UINT64_MAX;
    s.day.lastDocumentTime = INT64_MIN;
    s.day.lastReductionDate = "11032026";
    s.events = {{"12032026", "1000", 'Z', "0701", 1}, {"12032026", "1001", '\t', "0501", 2}};
    s.key = {KeyState::Loaded, "ABCDEF010001", true};
    s.mechanics.paper = Paper::Low;
    s.mechanics.station = Station::Micr;
    s.mechanics.coverOpen = true;
    s.faults = {{"0001", {2, ""}}, {"05\"62", {1, "0f06"}}};
    s.update = {true, true, false, true, 3, 4096};
    return s;
}

// The text is written without the JSON library, yet must be what the library reads back as the
// same printer and what its dump(2) has always written: keys in order, indentation, escapes, and
// `null`, `{}` and `[]` for what is absent or empty.
TEST(StateText, ReadsBackAsTheSameStateInTheLibrarysLayout) {
    for (const PrinterState& s : {freshPrinter(defaultModel()), filledState()}) {
        const std::string text = stateText(s);
        EXPECT_EQ(fromJson(nlohmann::json::parse(text)), s) << text;
        EXPECT_EQ(text, nlohmann::json::parse(text).dump(2) + "\n");
    }
}

// Text that is not UTF-8 is refused with the error the library's dump gives for it.
TEST(StateText, RefusesTextThatIsNotUtf8AsTheLibraryDoes) {
    for (const std::string bad : {"\xff", "ok\xc3(", "\xc0\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80",
                                  "\xf0\x8f\xbf\xbf", "\xe2\x82", "x\xf0\x9f\x98"}) {
        std::string expected;
        try {
            (void)nlohmann::json(bad).dump();
        } catch (const nlohmann::json::type_error& e) {
            expected = e.what();
        }
        ASSERT_FALSE(expected.empty()) << bad;
        PrinterState s = freshPrinter(defaultModel());
        s.faults[bad] = {1, bad};
        try {
            (void)stateText(s);
            ADD_FAILURE() << bad;
        } catch (const nlohmann::json::type_error& e) {
            EXPECT_EQ(std::string(e.what()), expected);
        }
    }
}

// A state the file cannot hold fails the save and leaves the file as it was: the printer then goes
// on from memory rather than leaving a file the next reading would throw away.
TEST_F(DevicePersistence, AStateTheFileCannotHoldLeavesItAsItWas) {
    ASSERT_EQ(rc("0207|0000|Vendas"), "0000");
    const std::string before = readFile(path);
    const std::function<void(PrinterState&)> changes[] = {
        [](PrinterState& s) { s.operatorName = "Jo\xe3o"; },
        [](PrinterState& s) { s.document = static_cast<Document>(5); },
    };
    for (const auto& change : changes) {
        EXPECT_ANY_THROW(modify(change));
        EXPECT_EQ(readFile(path), before);
    }
}

// A PC switched off while the printer's state was being written leaves a temporary file beside
// it; the next write removes those of processes that are gone, never a living writer's.
TEST_F(DevicePersistence, WritesClearWhatKilledWritersLeftBeside) {
    const pid_t gone = morvelan::test::goneProcessId();
    ASSERT_GT(gone, 0);
    const auto leftover = [&](pid_t pid) {
        return std::filesystem::path(path.string() + ".tmp-" + std::to_string(pid));
    };
    std::ofstream(leftover(gone)) << "{torn";
    std::ofstream(leftover(::getppid())) << "{in flight";
    ASSERT_EQ(rc("0207|0000|Vendas"), "0000");
    EXPECT_FALSE(std::filesystem::exists(leftover(gone)));
    EXPECT_TRUE(std::filesystem::exists(leftover(::getppid())));
    EXPECT_FALSE(std::filesystem::exists(leftover(::getpid())));
}

TEST_F(DevicePersistence, AFolderNotMadeYetOrRemovedIsMadeForTheState) {
    const std::filesystem::path folder = dir / "new" / "deeper";
    VirtualPrinter fresh(folder / "printer.json", clockFn());
    std::string number;
    ASSERT_EQ(fresh.openPort("", number), KORVA_OK);
    ASSERT_EQ(code(fresh.execute("0207|0000|Vendas")), "0000");
    EXPECT_TRUE(std::filesystem::exists(folder / "printer.json"));
    std::filesystem::remove_all(dir / "new");
    ASSERT_EQ(code(fresh.execute("0205|0000|Vale")), "0000");
    EXPECT_NE(readFile(folder / "printer.json").find("Vale"), std::string::npos);
}

TEST_F(DevicePersistence, UnreachableStateFileLeavesAWorkingPrinterInMemory) {
    { std::ofstream blocker(dir / "not-a-directory"); }
    VirtualPrinter lost(dir / "not-a-directory" / "printer.json", clockFn());
    std::string number;
    ASSERT_EQ(lost.openPort("", number), KORVA_OK);
    EXPECT_EQ(code(lost.execute("0207|0000|Vendas")), "0000");
    EXPECT_EQ(lost.execute("0014|0000").fields.at(1), "02Vendas         ");
}

TEST_F(DeviceFaults, CommandFailsItsNextTimesThenRecovers) {
    modify([](PrinterState& s) { s.faults["0001"] = {2, ""}; });
    modify([](PrinterState& s) { s.faults["0562"] = {1, "0f06"}; });
    EXPECT_EQ(rc("0001|0000"), "0006");
    EXPECT_EQ(run("0001|0000").result, KORVA_ERRO_COMANDO);
    EXPECT_EQ(rc("0001|0000"), "0000");
    EXPECT_TRUE(state().faults.count("0562") == 1);
    EXPECT_EQ(rc("0562|0000|:0100FF"), "0f06");
    EXPECT_EQ(rc("0562|0000|:0100FF"), "0f02"); // the real answer: no update started
    EXPECT_TRUE(state().faults.empty());
}

TEST_F(DeviceFaults, SlowAnswersTakeTheirTime) {
    modify([](PrinterState& s) { s.slowMs = 60; });
    const auto start = std::chrono::steady_clock::now();
    run("0001|0000");
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(60));
}

TEST_F(DeviceLog, EveryExchangeAndPortEventIsOneLine) {
    printer->setLog(dir / "log", true);
    run("0009|0000");
    run("0FFF|0000");
    printer->closePort();
    std::string number;
    printer->openPort("", number);
    printer->setLog(dir / "log", false);
    run("0001|0000");

    const std::string text = readFile(dir / "log" / "KORVA-20260312.log");
    std::vector<std::string> lines;
    std::stringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 4u) << text;
    EXPECT_EQ(lines[0], "2026-03-12 10:00:00.000\t0009|0000\tR$\t00000000000090000000\t0");
    EXPECT_EQ(lines[1], "2026-03-12 10:00:00.000\t0FFF|0000\t\t00000000000090000001\t1");
    EXPECT_EQ(lines[2].substr(24), "FECHAR PORTA\t\t\t0");
    EXPECT_TRUE(lines[3].find("ABRIR PORTA") != std::string::npos);
}

TEST_F(DevicePersistence, TwoThreadsShareThePrinterWithoutLosingCounts) {
    constexpr int kEach = 150;
    auto work = [this] {
        for (int i = 0; i < kEach; ++i) {
            ASSERT_EQ(run("0501|0000").result, KORVA_OK);
        }
    };
    std::thread a(work);
    std::thread b(work);
    a.join();
    b.join();
    EXPECT_EQ(state().day.coo, 2 * kEach);
}

TEST_F(DevicePersistence, TwoInstancesLikeTwoProcessesShareTheCounters) {
    VirtualPrinter other(path, clockFn());
    std::string number;
    ASSERT_EQ(other.openPort("", number), KORVA_OK);
    constexpr int kEach = 100;
    std::thread a([&] {
        for (int i = 0; i < kEach; ++i) {
            ASSERT_EQ(other.execute("0501|0000").result, KORVA_OK);
        }
    });
    for (int i = 0; i < kEach; ++i) {
        ASSERT_EQ(run("0501|0000").result, KORVA_OK);
    }
    a.join();
    EXPECT_EQ(state().day.coo, 2 * kEach);
}

} // namespace
} // namespace korva::test
