// Reading and writing script files.
#include "core/scripts/scriptfile/ScriptFile.h"

#include "core/base/AtomicFile.h"

#include <utility>

namespace morvelan {

ScriptFileReader::ScriptFileReader(const std::filesystem::path& path)
    : file_(RegularFile(path.string(), kScriptFileBound).release()) {}

ScriptFileReader::ScriptFileReader(std::FILE* adopted) : file_(adopted) {}

ScriptFileReader::ScriptFileReader(ScriptFileReader&& other) noexcept
    : file_(std::exchange(other.file_, nullptr)), stop_(other.stop_),
      linesEnded_(other.linesEnded_), lineNumber_(other.lineNumber_) {}

ScriptFileReader& ScriptFileReader::operator=(ScriptFileReader&& other) noexcept {
    if (this != &other) {
        if (file_ != nullptr) {
            std::fclose(file_);
        }
        file_ = std::exchange(other.file_, nullptr);
        stop_ = other.stop_;
        linesEnded_ = other.linesEnded_;
        lineNumber_ = other.lineNumber_;
    }
    return *this;
}

ScriptFileReader::~ScriptFileReader() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

bool ScriptFileReader::readLine(std::string& line) {
    if (file_ == nullptr) {
        return false;
    }
    for (;;) {
        // A file of nothing but zeros is one empty line after another: the stop is looked at
        // for each, not only for each line delivered.
        if (stop_ != nullptr && stop_->load(std::memory_order_acquire)) {
            return false;
        }
        // One buffer's worth: at most 1023 characters, up to and including a line feed.
        line.clear();
        // A line longer than the buffer arrives in pieces, each numbered as the line.
        const long number = linesEnded_ + 1;
        int c = 0;
        while (line.size() < kScriptLineBuffer - 1 && (c = std::getc(file_)) != EOF) {
            line += static_cast<char>(c);
            if (c == '\n') {
                ++linesEnded_;
                break;
            }
        }
        if (line.empty()) {
            return false;
        }
        // The line is a zero-terminated text from here on: nothing after a zero byte counts.
        const std::size_t zero = line.find('\0');
        if (zero != std::string::npos) {
            line.resize(zero);
        }
        if (!line.empty() && line.back() == '\n') {
            line.pop_back();
        }
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            lineNumber_ = number;
            return true;
        }
    }
}

long ScriptFileReader::position() const {
    return file_ != nullptr ? std::ftell(file_) : -1;
}

bool ScriptFileReader::seek(long position) {
    return file_ != nullptr && position >= 0 && std::fseek(file_, position, SEEK_SET) == 0;
}

bool ScriptFileReader::seek(long position, long lineNumber) {
    if (!seek(position)) {
        return false;
    }
    linesEnded_ = lineNumber;
    lineNumber_ = lineNumber;
    return true;
}

std::optional<std::vector<std::string>> ReadScriptFile(const std::filesystem::path& path) {
    ScriptFileReader reader(path);
    if (!reader.isOpen()) {
        return std::nullopt;
    }
    std::vector<std::string> lines;
    std::string line;
    while (reader.readLine(line)) {
        lines.push_back(line);
    }
    return lines;
}

bool WriteScriptFile(const std::filesystem::path& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& shown : lines) {
        text += StripDisplayName(shown);
        text += "\r\n";
    }
    // Saved over the technician's own script: a save cut short must leave the old one whole.
    return replaceFileAtomically(path.string(), text);
}

} // namespace morvelan
