#include "core/features/keys/KeyHistory.h"

#include "core/base/AtomicFile.h"
#include "core/base/RegularFile.h"

#include <algorithm>
#include <filesystem>

namespace morvelan::keys {
namespace {

constexpr std::size_t kDigestSize = std::tuple_size_v<Sha1Digest>;
constexpr std::size_t kRingOffset = kHistorySlots * kDigestSize;
constexpr std::size_t kUsedOffset = kRingOffset + 1;

bool isEmpty(const Sha1Digest& digest) {
    return std::all_of(digest.begin(), digest.end(), [](std::uint8_t b) { return b == 0; });
}

} // namespace

std::string keyHistoryPath(const std::string& programDirectory) {
    return programDirectory + "/" + kKeyHistoryFileName;
}

bool historyFileReadable(const std::string& path) {
    return RegularFile(path, kOwnFileBound).isOpen();
}

KeyHistory parseHistory(std::string_view bytes) {
    KeyHistory history;
    const std::size_t complete = std::min(bytes.size() / kDigestSize, kHistorySlots);
    std::size_t lastPresent = 0;
    for (std::size_t slot = 0; slot < complete; ++slot) {
        auto& digest = history.slots[slot];
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(slot * kDigestSize), kDigestSize,
                    reinterpret_cast<char*>(digest.data()));
        if (!isEmpty(digest)) {
            lastPresent = slot + 1;
        }
    }
    const std::size_t recordedUsed =
        bytes.size() > kUsedOffset ? static_cast<std::uint8_t>(bytes[kUsedOffset]) : 0;
    history.used = std::min(std::max(recordedUsed, lastPresent), kHistorySlots);
    const std::size_t recordedRing =
        bytes.size() > kRingOffset ? static_cast<std::uint8_t>(bytes[kRingOffset]) : 0;
    history.ringIndex =
        history.used == kHistorySlots && recordedRing < kHistorySlots ? recordedRing : 0;
    return history;
}

std::string serializeHistory(const KeyHistory& history) {
    std::string bytes(kHistoryFileSize, '\0');
    for (std::size_t slot = 0; slot < kHistorySlots; ++slot) {
        std::copy(history.slots[slot].begin(), history.slots[slot].end(),
                  bytes.begin() + static_cast<std::ptrdiff_t>(slot * kDigestSize));
    }
    bytes[kRingOffset] = static_cast<char>(history.ringIndex);
    bytes[kUsedOffset] = static_cast<char>(history.used);
    return bytes;
}

bool historyContains(const KeyHistory& history, const Sha1Digest& digest) {
    const auto used = history.slots.begin() + static_cast<std::ptrdiff_t>(history.used);
    return std::find(history.slots.begin(), used, digest) != used;
}

void addToHistory(KeyHistory& history, const Sha1Digest& digest) {
    if (history.used == kHistorySlots) {
        history.slots[history.ringIndex] = digest;
        history.ringIndex = (history.ringIndex + 1) % kHistorySlots;
    } else {
        history.slots[history.used++] = digest;
    }
}

HistoryAnswer lookUpAndRecord(const std::string& path, const Sha1Digest& digest) {
    const std::optional<std::string> bytes = readWholeFile(path);
    std::error_code error;
    if (!bytes && std::filesystem::exists(path, error)) {
        return HistoryAnswer::New;
    }
    KeyHistory history = parseHistory(bytes.value_or(std::string()));
    if (historyContains(history, digest)) {
        return HistoryAnswer::AlreadyUsed;
    }
    addToHistory(history, digest);
    // A history that cannot be written does not stop the key: the pair is new either way.
    replaceFileAtomically(path, serializeHistory(history));
    return HistoryAnswer::New;
}

} // namespace morvelan::keys
