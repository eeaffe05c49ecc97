// The key file "chaves.dat" in the program's directory: the public keys of many printers, one
// record each, gathered for delivery to the maker.
//   offset 0     20 bytes    the start of the printer data text (serial number)
//   offset 20    18 bytes    the start of the user data (the C.N.P.J)
//   offset 38    1280 bytes  the public key text
//   offset 1318  1 byte      line feed
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>

namespace morvelan::keys {

inline constexpr const char* kKeyRecordFileName = "chaves.dat";
inline constexpr std::size_t kKeyRecordSize = 1319;
inline constexpr std::size_t kRecordPrinterDataOffset = 0;
inline constexpr std::size_t kRecordPrinterDataSize = 20;
inline constexpr std::size_t kRecordUserDataOffset = 20;
inline constexpr std::size_t kRecordUserDataSize = 18;
inline constexpr std::size_t kRecordPublicKeyOffset = 38;
inline constexpr std::size_t kRecordPublicKeySize = 1280;

using KeyRecord = std::array<char, kKeyRecordSize>;

// <programDirectory>/chaves.dat
std::string keyRecordPath(const std::string& programDirectory);

// The record from the three readings' buffers (each at least as long as its field; the bytes
// are taken as they are, zeros included).
KeyRecord keyRecord(std::span<const char> printerData, std::span<const char> userData,
                    std::span<const char> publicKey);

// Appends the whole record to `path` (created when missing), or nothing: the file is replaced
// atomically, so it stays a sequence of whole records whenever the write stops. A torn record
// at the end of the file is dropped. False when nothing was appended.
bool appendKeyRecord(const std::string& path, const KeyRecord& record);

} // namespace morvelan::keys
