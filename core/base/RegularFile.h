// Every file the program reads is first opened as a regular file no larger than its kind allows.
// A directory, a device or a FIFO is refused before a byte is read from it, and opening a FIFO
// never waits for a writer: a wrong path can neither hang the program nor, like the zero device,
// fill its memory. A link to a regular file is followed.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace morvelan {

// The most a kind of file may hold, and the kind as a refusal names it ("um arquivo de comandos").
struct FileBound {
    std::string_view kind;
    std::uintmax_t maxBytes;
};

// The program's own files (the key history and records, the files seeded at start, the working
// command file) are a few kilobytes; this is far beyond any of them.
inline constexpr FileBound kOwnFileBound{"um arquivo do programa", 64u * 1024u * 1024u};

enum class FileRefusal {
    Missing,    // nothing at that path
    Directory,  // a folder
    NotAFile,   // a device, a FIFO or a socket
    TooLarge,   // more bytes than its kind allows
    Unreadable, // no permission, or the reading failed
};

// Why a file was not read, and the same as the technician reads it, a phrase to follow the
// file's name: "é uma pasta, não um arquivo".
struct FileFault {
    FileRefusal refusal = FileRefusal::Unreadable;
    std::string text;
};

// A regular file open for reading. Owns its descriptor.
class RegularFile {
public:
    RegularFile(const std::string& path, FileBound bound);
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;
    ~RegularFile();

    bool isOpen() const { return fd_ >= 0; }
    // Why the file is not open.
    const FileFault& fault() const { return fault_; }
    // The whole content; nothing, with fault() saying why, when reading fails or the file has
    // grown past its bound since it was opened.
    std::optional<std::string> readAll();
    // The file as a stream that owns the descriptor from then on; nullptr when it is not open.
    std::FILE* release();

private:
    int fd_ = -1;
    std::uintmax_t size_ = 0;
    FileBound bound_;
    FileFault fault_;
};

// The whole content of `path`, or nothing with why in `fault`.
std::optional<std::string> readWholeFile(const std::string& path, FileBound bound = kOwnFileBound,
                                         FileFault* fault = nullptr);

// What is at `path`, a link followed, when it is there and is no regular file; nothing for a
// regular file or for nothing at all.
std::optional<FileFault> notRegularFile(const std::string& path);

} // namespace morvelan
