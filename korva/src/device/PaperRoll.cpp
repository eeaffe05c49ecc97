#include "PaperRoll.h"

#include "PrintedDocuments.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include <fcntl.h>
#include <unistd.h>

namespace korva::paper {
namespace fs = std::filesystem;

namespace {

std::string readAll(const fs::path& roll) {
    std::ifstream in(roll, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void replace(const fs::path& roll, const std::string& text) {
    const fs::path temp = roll.string() + ".tmp-" + std::to_string(::getpid());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        throw std::runtime_error("cannot create " + temp.string());
    }
    std::size_t done = 0;
    bool ok = true;
    while (ok && done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        ok = n > 0;
        done += ok ? static_cast<std::size_t>(n) : 0;
    }
    ok = ok && ::fsync(fd) == 0;
    ::close(fd);
    std::error_code ec;
    if (ok) {
        fs::rename(temp, roll, ec);
    }
    if (!ok || ec) {
        fs::remove(temp, ec);
        throw std::runtime_error("cannot write " + roll.string());
    }
}

} // namespace

fs::path rollPath(const fs::path& statePath) {
    fs::path roll = statePath;
    roll.replace_extension();
    return roll.string() + ".paper-roll.txt";
}

void append(const fs::path& roll, const std::string& document) {
    replace(roll, readAll(roll) + document);
}

std::vector<std::string> documents(const fs::path& roll) {
    std::vector<std::string> found;
    std::istringstream in(readAll(roll));
    std::string current;
    for (std::string line; std::getline(in, line);) {
        current += line + "\n";
        if (line == kCutLine) {
            found.push_back(std::move(current));
            current.clear();
        }
    }
    if (!current.empty()) {
        found.push_back(std::move(current));
    }
    return found;
}

void clear(const fs::path& roll) {
    replace(roll, "");
}

} // namespace korva::paper
