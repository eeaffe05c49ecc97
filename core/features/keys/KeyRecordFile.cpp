#include "core/features/keys/KeyRecordFile.h"

#include "core/base/AtomicFile.h"
#include "core/base/RegularFile.h"

#include <algorithm>
#include <optional>
#include <unistd.h>

namespace morvelan::keys {
namespace {

void put(KeyRecord& record, std::size_t offset, std::span<const char> source, std::size_t size) {
    std::copy_n(source.begin(), std::min(size, source.size()),
                record.begin() + static_cast<std::ptrdiff_t>(offset));
}

} // namespace

std::string keyRecordPath(const std::string& programDirectory) {
    return programDirectory + "/" + kKeyRecordFileName;
}

KeyRecord keyRecord(std::span<const char> printerData, std::span<const char> userData,
                    std::span<const char> publicKey) {
    KeyRecord record{};
    put(record, kRecordPrinterDataOffset, printerData, kRecordPrinterDataSize);
    put(record, kRecordUserDataOffset, userData, kRecordUserDataSize);
    put(record, kRecordPublicKeyOffset, publicKey, kRecordPublicKeySize);
    record[kKeyRecordSize - 1] = '\n';
    return record;
}

bool appendKeyRecord(const std::string& path, const KeyRecord& record) {
    // The records are written anew beside the file and renamed over it, not appended in place: a
    // process killed or a PC switched off in the middle of a write would leave part of a record.
    std::string records;
    if (::access(path.c_str(), F_OK) == 0) {
        std::optional<std::string> existing = readWholeFile(path);
        if (!existing) {
            return false;
        }
        records = std::move(*existing);
        // A tail torn by an earlier writer is no record, and left in place it would shift every
        // record appended after it.
        records.resize(records.size() - records.size() % kKeyRecordSize);
    }
    records.append(record.begin(), record.end());
    return replaceFileAtomically(path, records);
}

} // namespace morvelan::keys
