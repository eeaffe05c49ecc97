#include "core/base/RegularFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace morvelan {
namespace {

constexpr std::uintmax_t kMiB = 1024u * 1024u;

FileFault kindFault(mode_t mode) {
    if (S_ISDIR(mode)) {
        return {FileRefusal::Directory, "é uma pasta, não um arquivo"};
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return {FileRefusal::NotAFile, "é um dispositivo, não um arquivo"};
    }
    if (S_ISFIFO(mode)) {
        return {FileRefusal::NotAFile, "é um FIFO (pipe nomeado), não um arquivo"};
    }
    if (S_ISSOCK(mode)) {
        return {FileRefusal::NotAFile, "é um socket, não um arquivo"};
    }
    return {FileRefusal::NotAFile, "não é um arquivo comum"};
}

FileFault errorFault(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return {FileRefusal::Missing, "o arquivo não existe"};
    case EACCES:
    case EPERM:
        return {FileRefusal::Unreadable, "não há permissão para lê-lo"};
    default:
        return {FileRefusal::Unreadable, "a leitura falhou"};
    }
}

FileFault sizeFault(std::uintmax_t size, FileBound bound) {
    std::string limit = std::to_string(bound.maxBytes) + " bytes";
    if (bound.maxBytes % kMiB == 0) {
        limit = std::to_string(bound.maxBytes / kMiB) + " MiB (" + limit + ")";
    }
    return {FileRefusal::TooLarge, "tem " + std::to_string(size) + " bytes, mais que o limite de " +
                                       limit + " de " + std::string(bound.kind)};
}

} // namespace

RegularFile::RegularFile(const std::string& path, FileBound bound) : bound_(bound) {
    struct stat status {};
    // Looked at before it is opened: opening a device may already act on it (a serial port
    // raises its lines).
    if (::stat(path.c_str(), &status) != 0) {
        fault_ = errorFault(errno);
        return;
    }
    if (!S_ISREG(status.st_mode)) {
        fault_ = kindFault(status.st_mode);
        return;
    }
    // Should the path have become a FIFO since, its opening does not wait for a writer; what is
    // checked from here on is the open file itself.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        fault_ = errorFault(errno);
        return;
    }
    if (::fstat(fd, &status) != 0) {
        fault_ = errorFault(errno);
    } else if (!S_ISREG(status.st_mode)) {
        fault_ = kindFault(status.st_mode);
    } else if (static_cast<std::uintmax_t>(status.st_size) > bound.maxBytes) {
        fault_ = sizeFault(static_cast<std::uintmax_t>(status.st_size), bound);
    } else if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        fault_ = errorFault(errno);
    } else {
        fd_ = fd;
        size_ = static_cast<std::uintmax_t>(status.st_size);
        return;
    }
    ::close(fd);
}

RegularFile::~RegularFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::optional<std::string> RegularFile::readAll() {
    if (fd_ < 0) {
        return std::nullopt;
    }
    std::string content;
    content.reserve(static_cast<std::size_t>(size_));
    char buffer[65536];
    // One byte past the bound is enough to know that the file grew beyond it.
    while (content.size() <= bound_.maxBytes) {
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            fault_ = errorFault(errno);
            return std::nullopt;
        }
        if (n == 0) {
            return content;
        }
        content.append(buffer, static_cast<std::size_t>(n));
    }
    fault_ = sizeFault(content.size(), bound_);
    return std::nullopt;
}

std::FILE* RegularFile::release() {
    if (fd_ < 0) {
        return nullptr;
    }
    std::FILE* stream = ::fdopen(fd_, "rb");
    if (stream == nullptr) {
        fault_ = errorFault(errno);
        return nullptr;
    }
    fd_ = -1;
    return stream;
}

std::optional<std::string> readWholeFile(const std::string& path, FileBound bound,
                                         FileFault* fault) {
    RegularFile file(path, bound);
    std::optional<std::string> content = file.readAll();
    if (!content && fault != nullptr) {
        *fault = file.fault();
    }
    return content;
}

std::optional<FileFault> notRegularFile(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    return kindFault(status.st_mode);
}

} // namespace morvelan
