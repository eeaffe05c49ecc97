// What a fuzz target holds true of every input: a broken promise ends the run as a crash, so that
// libFuzzer keeps the input that broke it.
#pragma once

#include <cstdlib>

namespace morvelan::fuzz {

inline void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace morvelan::fuzz
