// The state file: read when another process changed it, written atomically after each change,
// and guarded by an inter-process lock so that korva-sim and a running program never lose each
// other's changes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "PrinterState.h"

namespace korva {

// A printer as it leaves the factory, its clock on the host's local time.
PrinterState factoryState(const ModelProfile& profile);

class StateFile {
public:
    explicit StateFile(std::filesystem::path path);

    const std::filesystem::path& path() const { return path_; }

    // An exclusive lock on a sibling "<name>.lock" file, held while the guard lives.
    class Lock {
    public:
        // Makes `folder` when the lock file cannot be opened for want of it.
        Lock(const std::filesystem::path& lockPath, const std::filesystem::path& folder);
        ~Lock();
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

    private:
        int fd_ = -1;
    };
    std::unique_ptr<Lock> lock() const;

    // Loads the file into `state` unless it is unchanged since the last load or save; a missing
    // file becomes a new printer, a damaged one is kept aside and replaced. Hold the lock.
    void refresh(PrinterState& state);
    // Writes `state` atomically. Hold the lock.
    void save(const PrinterState& state);

private:
    struct Signature {
        std::uintmax_t inode = 0, size = 0;
        std::int64_t mtimeNs = 0;
        bool operator==(const Signature&) const = default;
    };
    Signature current() const;
    void replaceDamaged(PrinterState& state, const char* why);

    std::filesystem::path path_;
    // Worked out once: the printer is locked for every exchange.
    std::filesystem::path lockPath_;
    std::filesystem::path folder_;
    Signature loaded_;
    bool hasLoaded_ = false;
    // The text last parsed and what it held: a state put back as it was, as a test bench puts its
    // printer back after every run, is taken again without parsing and checking it anew.
    std::string parsedText_;
    PrinterState parsedState_;
};

// Read-modify-write of a state file under its lock, for tools over the same file.
PrinterState readState(const std::filesystem::path& path);
void modifyState(const std::filesystem::path& path, const std::function<void(PrinterState&)>& fn);

} // namespace korva
