// The script worker against the virtual printer, the whole command log built: commands per
// second for scripts of 1,000, 10,000 and 100,000 commands, so that the time per command can be
// seen not to grow with the script's length.
#include "core/base/SilentPrompts.h"
#include "core/base/WindowlessFrame.h"
#include "core/engine/Engine.h"
#include "core/scripts/executor/ScriptRunner.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

using namespace morvelan;
namespace fs = std::filesystem;

fs::path workDirectory() {
    static const fs::path dir = [] {
        const fs::path made = fs::temp_directory_path() / "morvelan-script-benchmark";
        fs::create_directories(made);
        fs::copy_file(fs::path(MORVELAN_PROGRAM_DIR) / "comandos.xml", made / "comandos.xml",
                      fs::copy_options::overwrite_existing);
        ::setenv("KORVA_SIM_STATE", (made / "printer.json").c_str(), 1);
        fs::remove(made / "printer.json");
        return made;
    }();
    return dir;
}

void BM_ScriptWorker(benchmark::State& state) {
    const fs::path dir = workDirectory();
    const auto commands = static_cast<int>(state.range(0));
    const fs::path script = dir / ("bench-" + std::to_string(commands) + ".SEQ");
    {
        // Reading commands with answers: every entry of the log has its answer block.
        std::ofstream out(script, std::ios::binary);
        for (int i = 0; i < commands; ++i) {
            out << (i % 2 == 0 ? "0009|0000\r\n" : "0002|0000\r\n");
        }
    }
    SilentPrompts prompts;
    WindowlessFrame frame;
    Engine engine(bindLibrary(MORVELAN_PROGRAM_DIR, (dir / "log").string()), prompts, frame,
                  dir.string());
    if (!engine.ensurePrinter() || engine.printerPresent[0] != 1) {
        state.SkipWithError("no virtual printer");
        return;
    }
    ScriptRunner runner(engine);
    ScriptLogs logs;
    for (auto _ : state) {
        const ScriptWorkerOutcome outcome = runner.runScript(script, logs, kAllPrinters);
        if (outcome.commandsSent != commands || outcome.commandsFailed != 0) {
            state.SkipWithError("a command failed");
            return;
        }
        benchmark::DoNotOptimize(logs[0].data());
    }
    state.counters["commands_per_second"] =
        benchmark::Counter(static_cast<double>(commands) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
    state.counters["log_bytes"] = static_cast<double>(logs[0].size());
}

BENCHMARK(BM_ScriptWorker)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
