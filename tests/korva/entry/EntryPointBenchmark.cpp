// One raw command and its status reading through the library, against a temporary state file.
#include "InterfaceKorva.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {

void rawCommandThenStatus(benchmark::State& state) {
    char pattern[] = "/tmp/korva-bench-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        state.SkipWithError("no temporary directory");
        return;
    }
    const std::filesystem::path directory = pattern;
    setenv("KORVA_SIM_STATE", (directory / "printer.json").c_str(), 1);
    char port[KORVA_TAM_NUMERO_PORTA] = {};
    if (KORVA_Serial_Abrir_PortaAD("", port) != KORVA_OK) {
        state.SkipWithError("the port did not open");
        return;
    }
    char answer[KORVA_TAM_RESPOSTA] = {};
    char status[KORVA_TAM_ESTADO] = {};
    for (auto _ : state) {
        benchmark::DoNotOptimize(KORVA_Send_From_FileEX("0002|0000", answer));
        benchmark::DoNotOptimize(KORVA_Obter_Estado_Impressora(status));
    }
    KORVA_Serial_Fechar_Porta();
    std::filesystem::remove_all(directory);
}
BENCHMARK(rawCommandThenStatus);

} // namespace

BENCHMARK_MAIN();
