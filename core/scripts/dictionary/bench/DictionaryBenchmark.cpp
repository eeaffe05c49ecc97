// Loading a comandos.xml that fills every capacity of the dictionary table.
#include "core/base/SilentPrompts.h"
#include "core/scripts/dictionary/CommandDictionary.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <unistd.h>

namespace {

using namespace morvelan;

std::string Text(char fill) {
    return std::string(kTextSlot - 1, fill);
}

std::string FullDictionary() {
    std::string command =
        "  <COMANDO>\r\n   <NOME>" + Text('N') + "</NOME><NUMERO>ABCD</NUMERO>\r\n";
    for (int i = 0; i < kMaxExtensions; ++i) {
        command += "   <EXTENSAO><VALOR>000" + std::to_string(i) + "</VALOR><DESCRICAO>" +
                   Text('E') + "</DESCRICAO></EXTENSAO>\r\n";
    }
    for (int i = 0; i < kMaxFields; ++i) {
        command += "   <CAMPO><DESCRICAO>" + Text('C') + "</DESCRICAO><DEFAULT>" + Text('d') +
                   "</DEFAULT></CAMPO>\r\n";
    }
    for (int i = 0; i < kMaxResponses; ++i) {
        command += "   <RETORNO><DESCRICAO>" + Text('R') + "</DESCRICAO></RETORNO>\r\n";
    }
    command += "  </COMANDO>\r\n";
    std::string text = "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n<COMANDOS>\r\n";
    for (int g = 0; g < kMaxGroups; ++g) {
        text += " <GRUPO><NOME>" + Text('G') + "</NOME>\r\n";
        for (int c = 0; c < kMaxCommandsPerGroup; ++c) {
            text += command;
        }
        text += " </GRUPO>\r\n";
    }
    return text + "</COMANDOS>\r\n";
}

void LoadFullDictionary(benchmark::State& state) {
    const std::filesystem::path directory =
        std::filesystem::temp_directory_path() / ("morvelan-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(directory);
    const std::string contents = FullDictionary();
    std::ofstream(directory / kCommandDictionaryFileName, std::ios::binary) << contents;

    SilentPrompts prompts;
    auto table = std::make_unique<CommandDictionary>();
    for (auto _ : state) {
        if (!LoadCommandDictionary(directory, prompts, *table)) {
            state.SkipWithError("comandos.xml could not be read");
            break;
        }
        benchmark::DoNotOptimize(table.get());
    }
    if (table->groups[kMaxGroups - 1].commands[kMaxCommandsPerGroup - 1].responseCount !=
        kMaxResponses) {
        state.SkipWithError("the table was not filled");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(contents.size()));
    state.counters["file_bytes"] = static_cast<double>(contents.size());
    std::filesystem::remove_all(directory);
}

BENCHMARK(LoadFullDictionary)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
