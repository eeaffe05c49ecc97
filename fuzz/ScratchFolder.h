// Folders for the files a fuzz target writes. A target that writes files for every input spends
// its time waiting for the disk, not in the code it tests: its files go to a folder in memory,
// where the same writes, flushes and renames cost next to nothing.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace morvelan::fuzz {

// A new folder named after `name` under `parent`; the target stops when it cannot be made.
inline std::filesystem::path NewFolder(const std::filesystem::path& parent, std::string_view name) {
    std::string pattern = (parent / (std::string(name) + "-XXXXXX")).string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::abort();
    }
    return pattern;
}

// Shared memory is a file system in memory on Linux; elsewhere the temporary folder stands in.
inline std::filesystem::path MemoryParent() {
    std::error_code error;
    const std::filesystem::path shared = "/dev/shm";
    return std::filesystem::is_directory(shared, error) ? shared
                                                        : std::filesystem::temp_directory_path();
}

} // namespace morvelan::fuzz
