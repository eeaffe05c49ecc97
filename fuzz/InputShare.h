// Work too slow to do for every input is done for a share of them, chosen from the input's bytes:
// a crash found there replays the same way, and mutated inputs spread over the whole share.
#pragma once

#include <cstdint>
#include <string_view>

namespace morvelan::fuzz {

// True for about one input in `share`, always the same ones.
inline bool InShare(std::string_view bytes, std::uint32_t share) {
    // FNV-1a: every byte moves the choice.
    std::uint32_t hash = 2166136261u;
    for (const char c : bytes) {
        hash = (hash ^ static_cast<std::uint8_t>(c)) * 16777619u;
    }
    return hash % share == 0;
}

} // namespace morvelan::fuzz
