#include "core/base/AtomicFile.h"

#include "core/base/RegularFile.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace morvelan {

namespace {

constexpr std::string_view kTemporaryMark = ".tmp";

// The file a link points to, so that replacing it keeps the link; the path itself when it is not
// a link or cannot be resolved (a file about to be created).
std::string resolvedTarget(const std::string& path) {
    std::error_code error;
    const auto resolved = std::filesystem::weakly_canonical(path, error);
    return error ? path : resolved.string();
}

// The process number in a temporary name of ours ("<name>.tmp<pid>-<n>"), or 0.
pid_t writerOf(std::string_view name, std::string_view target) {
    if (!name.starts_with(target) || name.substr(target.size()).find(kTemporaryMark) != 0)
        return 0;
    const auto tail = name.substr(target.size() + kTemporaryMark.size());
    const auto dash = tail.find('-');
    if (dash == 0 || dash == std::string_view::npos)
        return 0;
    pid_t pid = 0;
    for (const char c : tail.substr(0, dash)) {
        if (c < '0' || c > '9' || pid > 1'000'000'000 / 10)
            return 0;
        pid = pid * 10 + (c - '0');
    }
    return pid;
}

// A write killed half-way leaves its temporary file beside the target. Those of processes that
// no longer exist are removed, so that power cuts do not pile them up; a live writer's are left.
// Read with readdir, as this runs after every save: no name becomes a path object.
void removeLeftoversOfDeadWriters(const std::string& target) {
    const std::filesystem::path path(target);
    const std::filesystem::path directory = path.has_parent_path() ? path.parent_path() : ".";
    DIR* folder = ::opendir(directory.c_str());
    if (folder == nullptr)
        return;
    const std::string name = path.filename().string();
    while (const dirent* entry = ::readdir(folder)) {
        const pid_t pid = writerOf(entry->d_name, name);
        if (pid > 0 && pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH)
            ::unlinkat(::dirfd(folder), entry->d_name, 0);
    }
    ::closedir(folder);
}

} // namespace

std::optional<std::string> replacementRefusal(const std::string& path) {
    if (const std::optional<FileFault> fault = notRegularFile(path)) {
        return "O arquivo " + path + " não pode ser substituído: " + fault->text + ".";
    }
    return std::nullopt;
}

bool replaceFileAtomically(const std::string& requested, std::span<const char> bytes) {
    static std::atomic<unsigned> counter{0};
    const std::string path = resolvedTarget(requested);
    // The rename would put a regular file where a device node or a FIFO was, and as root on
    // /dev/null it would destroy the system's own.
    if (notRegularFile(path)) {
        return false;
    }
    std::string temporary;
    int fd = -1;
    // O_EXCL: never write through a name that someone else put there. A name taken is most often
    // the leftover of a killed process that had this process's number; the next one is tried.
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = path + std::string(kTemporaryMark) + std::to_string(::getpid()) + "-" +
                    std::to_string(counter++);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            return false;
        }
    }
    if (fd < 0) {
        return false;
    }
    // A file the technician restricted keeps its permissions when it is replaced.
    struct stat previous {};
    const bool kept =
        ::stat(path.c_str(), &previous) != 0 || ::fchmod(fd, previous.st_mode & 07777) == 0;
    const bool written = kept && writeAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    removeLeftoversOfDeadWriters(path);
    return true;
}

bool writeAll(int fd, std::span<const char> bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace morvelan
