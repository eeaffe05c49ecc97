// What this process holds, read from /proc: resident memory, open descriptors and threads.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace morvelan::reliability::test {

// Resident set size in bytes (second field of /proc/self/statm, in pages).
inline std::int64_t residentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::int64_t size = 0, resident = 0;
    statm >> size >> resident;
    return resident * static_cast<std::int64_t>(sysconf(_SC_PAGESIZE));
}

// Entries of a /proc/self directory, less the one its own listing holds open (fd only).
inline int entriesOf(const char* directory) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(directory)) {
        ++count;
    }
    return count;
}

inline int openDescriptors() {
    return entriesOf("/proc/self/fd") - 1;
}
inline int threadCount() {
    return entriesOf("/proc/self/task");
}

} // namespace morvelan::reliability::test
