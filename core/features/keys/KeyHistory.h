// The history of generated pairs, "kvkhist.khf" in the program's directory: 100 slots of SHA-1
// digests used as a ring, so that no pair of primes is ever loaded twice from this PC.
//   offset 0     100 × 20 bytes  digests
//   offset 2000  1 byte          ring index: the slot to overwrite next once all are used
//   offset 2001  1 byte          number of used slots
#pragma once

#include "core/features/keys/Digests.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace morvelan::keys {

inline constexpr const char* kKeyHistoryFileName = "kvkhist.khf";
inline constexpr std::size_t kHistorySlots = 100;
inline constexpr std::size_t kHistoryFileSize = kHistorySlots * 20 + 2;

// <programDirectory>/kvkhist.khf
std::string keyHistoryPath(const std::string& programDirectory);
// Whether the history file can be opened for reading: the generation form is only offered with
// one, since a missing file means an incomplete installation.
bool historyFileReadable(const std::string& path);

struct KeyHistory {
    std::array<Sha1Digest, kHistorySlots> slots{};
    std::size_t ringIndex = 0; // 0..99
    std::size_t used = 0;      // 0..100
};

// Reads the file's bytes, trusting only what is sound: a short file gives the slots it holds in
// full, a long one its first 2002 bytes; the used slots are never fewer than those up to the
// last digest present, nor more than 100; the ring index counts only in a full ring and only
// when it names a slot. A well-formed file is read exactly as it is.
KeyHistory parseHistory(std::string_view bytes);
std::string serializeHistory(const KeyHistory& history);

bool historyContains(const KeyHistory& history, const Sha1Digest& digest);
// Stores the digest in the next free slot, or over the ring index's slot in a full ring.
void addToHistory(KeyHistory& history, const Sha1Digest& digest);

enum class HistoryAnswer { New, AlreadyUsed };

// Looks the digest up in the file at `path` and, when new, records it and replaces the file
// atomically (created when missing). The caller holds the library semaphore. A file that exists
// but cannot be read is left alone: the pair counts as new, but a history that could not be
// read is not overwritten by one that forgot it.
HistoryAnswer lookUpAndRecord(const std::string& path, const Sha1Digest& digest);

} // namespace morvelan::keys
