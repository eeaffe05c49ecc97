#include "FileReplace.h"

#include <cerrno>
#include <csignal>
#include <stdexcept>
#include <string>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace korva {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTemporaryMark = ".tmp-";

fs::path temporaryFor(const fs::path& target, pid_t pid) {
    return target.string() + std::string(kTemporaryMark) + std::to_string(pid);
}

// The process number of a temporary name of `target`'s, or 0 for any other name.
pid_t writerOf(std::string_view name, std::string_view target) {
    if (!name.starts_with(target) || name.substr(target.size()).find(kTemporaryMark) != 0)
        return 0;
    const auto digits = name.substr(target.size() + kTemporaryMark.size());
    if (digits.empty() || digits.size() > 9)
        return 0;
    pid_t pid = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return 0;
        pid = pid * 10 + (c - '0');
    }
    return pid;
}

// Each killed write leaves one file named after its process; those of processes that are gone
// are removed so that they do not pile up, a living writer's never. Read with readdir, as this
// runs after every write of the printer's state: no name becomes a path object.
void removeLeftoversOfGoneWriters(const fs::path& target, const fs::path& dir) {
    DIR* folder = ::opendir(dir.c_str());
    if (folder == nullptr)
        return;
    const std::string name = target.filename().string();
    while (const dirent* entry = ::readdir(folder)) {
        const pid_t pid = writerOf(entry->d_name, name);
        if (pid > 0 && pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH)
            ::unlinkat(::dirfd(folder), entry->d_name, 0);
    }
    ::closedir(folder);
}

} // namespace

void replaceFile(const fs::path& target, std::string_view text) {
    const fs::path dir = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const fs::path temp = temporaryFor(target, ::getpid());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        throw std::runtime_error("cannot create " + temp.string());
    bool ok = true;
    for (std::size_t done = 0; ok && done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        done += ok ? static_cast<std::size_t>(n) : 0;
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    std::error_code ec;
    if (ok)
        fs::rename(temp, target, ec);
    if (!ok || ec) {
        fs::remove(temp, ec);
        throw std::runtime_error("cannot write " + target.string());
    }
    // The rename itself reaches the disk only with its directory.
    const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    removeLeftoversOfGoneWriters(target, dir);
}

} // namespace korva
