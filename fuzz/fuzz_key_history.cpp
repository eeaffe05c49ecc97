// Reads any bytes as the key history file: what the reader keeps must be a sound ring, written
// back it must read the same, and a pair recorded in it must then be known.
#include "FuzzCheck.h"
#include "core/features/keys/KeyHistory.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>

namespace {

using namespace morvelan::keys;

using morvelan::fuzz::Check;

bool SameHistory(const KeyHistory& a, const KeyHistory& b) {
    return a.slots == b.slots && a.used == b.used && a.ringIndex == b.ringIndex;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    KeyHistory history = parseHistory(bytes);
    Check(history.used <= kHistorySlots && history.ringIndex < kHistorySlots);
    Check(history.ringIndex == 0 || history.used == kHistorySlots);
    for (std::size_t slot = history.used; slot < kHistorySlots; ++slot) {
        Check(history.slots[slot] == Sha1Digest{});
    }

    const std::string written = serializeHistory(history);
    Check(written.size() == kHistoryFileSize);
    Check(SameHistory(parseHistory(written), history));
    if (size == kHistoryFileSize && written != bytes) {
        // Only a file that breaks the ring's rules is read other than as it is.
        Check(static_cast<std::uint8_t>(bytes[kHistoryFileSize - 1]) != history.used ||
              static_cast<std::uint8_t>(bytes[kHistoryFileSize - 2]) != history.ringIndex);
    }

    const Sha1Digest pair = sha1(std::span<const std::uint8_t>(data, size));
    const bool known = historyContains(history, pair);
    addToHistory(history, pair);
    Check(historyContains(history, pair));
    Check(known || history.used == kHistorySlots || parseHistory(written).used + 1 == history.used);
    return 0;
}
