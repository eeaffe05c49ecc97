// One whole key generation as operation 3.1 runs it: the pair of primes from system random
// bytes, the history lookup and atomic record, both wrappings and the key text.
#include "core/features/keys/KeyGeneration.h"
#include "core/features/keys/KeyText.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <semaphore>
#include <string>

namespace {

void BM_KeyGeneration(benchmark::State& state) {
    std::string pattern = (std::filesystem::temp_directory_path() / "keys-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        state.SkipWithError("no temporary directory");
        return;
    }
    const std::string history = pattern + "/kvkhist.khf";
    const morvelan::keys::RandomSource random = morvelan::keys::systemRandomSource();
    std::binary_semaphore semaphore{1};
    for (auto _ : state) {
        std::string text = morvelan::keys::generateKeyText(true, random, history, semaphore);
        benchmark::DoNotOptimize(text);
        if (text.size() != morvelan::keys::kKeyTextLength) {
            state.SkipWithError("key text of the wrong length");
            break;
        }
    }
    std::filesystem::remove_all(pattern);
}
BENCHMARK(BM_KeyGeneration)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
