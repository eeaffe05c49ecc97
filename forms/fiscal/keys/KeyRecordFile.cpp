#include "KeyRecordFile.h"

#include "commandfile/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace morvelan::keys {
namespace {

void put(KeyRecord& record, std::size_t offset, std::span<const char> source, std::size_t size) {
    std::copy_n(source.begin(), std::min(size, source.size()),
                record.begin() + static_cast<std::ptrdiff_t>(offset));
}

// Takes back whatever part of a record reached the file. Should even that fail, nothing more can
// be done from here.
void takeBack(int fd, off_t size) {
    const int ignored = ::ftruncate(fd, size);
    (void)ignored;
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
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    struct stat before {};
    bool appended = ::fstat(fd, &before) == 0;
    if (appended && (!writeAll(fd, record) || ::fsync(fd) != 0)) {
        takeBack(fd, before.st_size);
        appended = false;
    }
    return ::close(fd) == 0 && appended;
}

} // namespace morvelan::keys
