// Folders for the files a fuzz target writes. A target that writes files for every input spends
// its time waiting for the disk, not in the code it tests: its files go to a folder in memory,
// where the same writes, flushes and renames cost next to nothing.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace morvelan::fuzz {

// Shared memory is a file system in memory on Linux; elsewhere the temporary folder stands in.
inline std::filesystem::path MemoryParent() {
    std::error_code error;
    const std::filesystem::path shared = "/dev/shm";
    return std::filesystem::is_directory(shared, error) ? shared
                                                        : std::filesystem::temp_directory_path();
}

// A new folder named after `name` under `parent`, gone with its files when the target ends (a
// crash leaves it to be looked at). The target stops when it cannot be made.
class ScratchFolder {
public:
    ScratchFolder(const std::filesystem::path& parent, std::string_view name) {
        std::string pattern = (parent / (std::string(name) + "-XXXXXX")).string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace morvelan::fuzz
