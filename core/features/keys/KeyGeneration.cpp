#include "core/features/keys/KeyGeneration.h"

#include "core/features/keys/KeyHistory.h"
#include "core/features/keys/KeyText.h"
#include "core/features/keys/PrimePair.h"
#include "core/features/keys/PrimeWrapping.h"
#include "core/features/keys/WrappingKeySets.h"

#include <openssl/crypto.h>

#include <stdexcept>

namespace morvelan::keys {
namespace {

// A working generator gives a pair already in the history about never; this many in a row means
// the bytes are not random, and searching on would never end.
constexpr int kMaxUsedPairs = 64;

class SemaphoreHold {
public:
    explicit SemaphoreHold(std::binary_semaphore& semaphore) : semaphore_(semaphore) {
        semaphore_.acquire();
    }
    ~SemaphoreHold() { semaphore_.release(); }
    SemaphoreHold(const SemaphoreHold&) = delete;
    SemaphoreHold& operator=(const SemaphoreHold&) = delete;

private:
    std::binary_semaphore& semaphore_;
};

PrimePair newPair(const RandomSource& random, const std::string& historyPath,
                  std::binary_semaphore& librarySemaphore) {
    for (int attempt = 0; attempt < kMaxUsedPairs; ++attempt) {
        PrimePair pair = generatePrimePair(random);
        const Sha1Digest digest = pairDigest(pair);
        HistoryAnswer answer = HistoryAnswer::New;
        {
            SemaphoreHold hold(librarySemaphore);
            answer = lookUpAndRecord(historyPath, digest);
        }
        if (answer == HistoryAnswer::New) {
            return pair;
        }
        clearPair(pair);
    }
    throw std::runtime_error("the random source repeats pairs already generated");
}

} // namespace

std::string generateKeyText(bool thirdGeneration, const RandomSource& random,
                            const std::string& historyPath,
                            std::binary_semaphore& librarySemaphore) {
    PrimePair pair = newPair(random, historyPath, librarySemaphore);
    WrappingKeySet keys = wrappingKeySet(thirdGeneration);
    const WrappedBlock first = wrapPrime(std::span(pair.first).first<kPrimeSize>(), keys);
    const WrappedBlock second = wrapPrime(std::span(pair.second).first<kPrimeSize>(), keys);
    OPENSSL_cleanse(&keys, sizeof keys);
    clearPair(pair);

    WrappedPair data{};
    std::copy(first.begin(), first.end(), data.begin());
    std::copy(second.begin(), second.end(), data.begin() + kWrappedBlockSize);
    return keyText(data);
}

} // namespace morvelan::keys
