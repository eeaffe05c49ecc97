// One printer's whole key generation: a pair of primes never generated before on this PC, each
// wrapped with the key set of the printer's generation, laid out as the key text.
#pragma once

#include "core/features/keys/RandomSource.h"

#include <semaphore>
#include <string>

namespace morvelan::keys {

// The history at `historyPath` is read and written only while `librarySemaphore` is held.
// Throws std::runtime_error when the random source fails or keeps repeating itself.
std::string generateKeyText(bool thirdGeneration, const RandomSource& random,
                            const std::string& historyPath,
                            std::binary_semaphore& librarySemaphore);

} // namespace morvelan::keys
