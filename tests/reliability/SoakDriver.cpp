// A technician's day under load: operations through the engine and the forms' logic against the
// virtual printer (printed readings, status, table sends and reads, scripts, the printer switched
// off and on between them), with this process's resident memory and open descriptors sampled.
// Fails when an operation stops answering as it should or when either figure grows past its
// bound once warmed up.
//
//   morvelan-soak [operations (100000)] [memory bound in KiB (8192)]
#include "SoakProcessFigures.h"
#include "TempDir.h"
#include "TestDoubles.h"
#include "core/engine/Engine.h"
#include "core/features/tables/TableEditor.h"
#include "core/modules/CoreModules.h"
#include "core/scripts/executor/ScriptRunner.h"

#include "PaperRoll.h"
#include "StateFile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace morvelan::reliability::test {
namespace {

using morvelan::test::RecordingFrame;
using morvelan::test::RecordingPrompts;
using morvelan::test::TempDir;

const std::string kOk = "( 0000 ) - Resultado sem erro";

class Day {
public:
    explicit Day(const std::string& statePath)
        : statePath_(statePath),
          engine_(bindLibrary(MORVELAN_LIBRARY_DIR, libraryLogDirectory(dataDir_.path())), prompts_,
                  frame_, programDir_.path()),
          runner_(engine_) {
        korva::modifyState(statePath_, [](korva::PrinterState& s) {
            s = korva::factoryState(korva::defaultModel());
        });
        registerCoreModules(engine_);
        script_ = programDir_.file("dia.SEQ");
        std::ofstream(script_, std::ios::binary)
            << "/ rotina\r\n0002|0000\r\n0567|0000\r\n0566|0000\r\n";
    }

    // Runs operation `n` of the day; false when it did not answer as it should.
    bool operation(long n) {
        prompts_.messages.clear();
        frame_.events.clear();
        switch (n % 7) {
        case 0:
            return printX(kOk);
        case 1: {
            ResultRecord status{};
            engine_.readStatus(status);
            return line(status) == kOk;
        }
        case 2:
            return sendPayments(n);
        case 3: {
            tables::TableEditor editor(engine_, tables::kPaymentTable, [] {});
            return editor.readPrinter();
        }
        case 4: {
            ScriptLogs logs;
            const ScriptWorkerOutcome outcome = runner_.runScript(script_, logs, kAllPrinters);
            return outcome.commandsSent == 3 && outcome.commandsFailed == 0;
        }
        case 5: {
            power(false);
            const bool offline = printX(kOfflineResultLine);
            power(true);
            return offline;
        }
        default:
            // A fresh paper roll now and then, as the technician would load one.
            korva::paper::clear(korva::paper::rollPath(statePath_));
            return printX(kOk);
        }
    }

private:
    static std::string line(const ResultRecord& r) {
        return std::string(r.resultLine, strnlen(r.resultLine, sizeof r.resultLine));
    }
    bool printX(const std::string& expected) {
        engine_.runOperation(8, 1, {}, kAllPrinters);
        return line(frame_.shownRecord) == expected;
    }
    // Alternates the name of the second payment method, so every send has a change to make.
    bool sendPayments(long n) {
        tables::TableEditor editor(engine_, tables::kPaymentTable, [] {});
        tables::FormRows rows = tables::displayRows(tables::kPaymentTable, {});
        rows[1].text = (n / 7) % 2 == 0 ? "Cheque" : "Cartao";
        prompts_.answers = {true};
        editor.send(rows, kAllPrinters);
        return engine_.tableErrorText[0].empty() && line(frame_.shownRecord) == kOk;
    }
    void power(bool on) {
        korva::modifyState(statePath_, [on](korva::PrinterState& s) { s.poweredOn = on; });
    }

    std::string statePath_;
    TempDir programDir_, dataDir_;
    RecordingPrompts prompts_;
    RecordingFrame frame_;
    Engine engine_;
    ScriptRunner runner_;
    std::string script_;
};

struct Figures {
    std::int64_t rss = 0;
    int fds = 0;
};

int soak(long operations, std::int64_t boundBytes) {
    TempDir stateDir;
    const std::string statePath = stateDir.file("printer.json");
    ::setenv("KORVA_SIM_STATE", statePath.c_str(), 1);
    Day day(statePath);

    const long warmUp = std::max(50L, operations / 20);
    const long sampleEvery = std::max(1L, operations / 200);
    Figures base, peak;
    long failed = 0;
    const auto start = std::chrono::steady_clock::now();
    for (long n = 0; n < operations; ++n) {
        if (!day.operation(n)) {
            if (++failed <= 5) {
                std::fprintf(stderr, "operation %ld (kind %ld) did not answer as it should\n", n,
                             n % 7);
            }
        }
        if (n + 1 == warmUp) {
            base = peak = {residentBytes(), openDescriptors()};
        } else if (n + 1 > warmUp && (n + 1) % sampleEvery == 0) {
            peak.rss = std::max(peak.rss, residentBytes());
            peak.fds = std::max(peak.fds, openDescriptors());
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const Figures last{residentBytes(), openDescriptors()};
    std::printf("operations %ld in %.1f s (%.0f/s), failed %ld\n"
                "resident KiB: after warm-up %lld, peak %lld, last %lld (bound +%lld)\n"
                "open descriptors: after warm-up %d, peak %d, last %d\n",
                operations, seconds, static_cast<double>(operations) / seconds, failed,
                static_cast<long long>(base.rss / 1024), static_cast<long long>(peak.rss / 1024),
                static_cast<long long>(last.rss / 1024), static_cast<long long>(boundBytes / 1024),
                base.fds, peak.fds, last.fds);
    const bool flat = peak.rss - base.rss <= boundBytes && peak.fds <= base.fds;
    if (!flat) {
        std::fprintf(stderr, "resident memory or open descriptors grew past the bound\n");
    }
    return failed == 0 && flat ? 0 : 1;
}

} // namespace
} // namespace morvelan::reliability::test

int main(int argc, char** argv) {
    const long operations = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 100000;
    const long boundKiB = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 8192;
    if (operations <= 0 || boundKiB < 0) {
        std::fprintf(stderr, "usage: %s [operations] [memory bound in KiB]\n", argv[0]);
        return 2;
    }
    return morvelan::reliability::test::soak(operations, boundKiB * 1024);
}
