#include "StateFile.h"

#include "FileReplace.h"
#include "StateText.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

namespace korva {
namespace fs = std::filesystem;

namespace {

std::string timestampForName() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d%H%M%S", &tm);
    return text;
}

} // namespace

PrinterState factoryState(const ModelProfile& profile) {
    PrinterState s = freshPrinter(profile);
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    s.clockOffset = tm.tm_gmtoff;
    return s;
}

StateFile::StateFile(fs::path path)
    : path_(std::move(path)), lockPath_(path_.string() + ".lock"),
      folder_(path_.parent_path().empty() ? fs::path(".") : path_.parent_path()) {}

StateFile::Lock::Lock(const fs::path& lockPath, const fs::path& folder) {
    const auto open = [&lockPath] {
        return ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    };
    fd_ = open();
    if (fd_ < 0 && errno == ENOENT) {
        std::error_code ec;
        fs::create_directories(folder, ec);
        fd_ = open();
    }
    if (fd_ < 0) {
        throw std::runtime_error("cannot open lock file " + lockPath.string());
    }
    while (::flock(fd_, LOCK_EX) != 0) {
        if (errno != EINTR) {
            ::close(fd_);
            throw std::runtime_error("cannot lock " + lockPath.string());
        }
    }
}

StateFile::Lock::~Lock() {
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
}

std::unique_ptr<StateFile::Lock> StateFile::lock() const {
    return std::make_unique<Lock>(lockPath_, folder_);
}

StateFile::Signature StateFile::current() const {
    struct stat st {};
    if (::stat(path_.c_str(), &st) != 0) {
        return {};
    }
    return {static_cast<std::uintmax_t>(st.st_ino), static_cast<std::uintmax_t>(st.st_size),
            static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

void StateFile::refresh(PrinterState& state) {
    const Signature now = current();
    if (now.inode == 0) {
        state = factoryState(defaultModel());
        save(state);
        return;
    }
    if (hasLoaded_ && now == loaded_) {
        return;
    }
    std::ifstream in(path_, std::ios::binary);
    std::stringstream read;
    read << in.rdbuf();
    std::string text = std::move(read).str();
    loaded_ = now;
    hasLoaded_ = true;
    if (!text.empty() && text == parsedText_) {
        state = parsedState_;
        return;
    }
    try {
        state = fromJson(nlohmann::json::parse(text));
        parsedText_ = std::move(text);
        parsedState_ = state;
    } catch (const std::exception& e) {
        replaceDamaged(state, e.what());
    }
}

void StateFile::replaceDamaged(PrinterState& state, const char* why) {
    // Named after the second it was found in; another found in the same second must not take
    // its place.
    const std::string name = path_.string() + ".bad-" + timestampForName();
    fs::path aside = name;
    std::error_code ec;
    for (int n = 2; fs::exists(aside, ec); ++n)
        aside = name + "-" + std::to_string(n);
    fs::rename(path_, aside, ec);
    std::cerr << "korva: virtual printer state " << path_ << " is damaged (" << why << "); kept as "
              << aside << ", replaced by a new printer.\n";
    state = factoryState(defaultModel());
    save(state);
}

void StateFile::save(const PrinterState& state) {
    fs::create_directories(folder_);
    replaceFile(path_, stateText(state));
    loaded_ = current();
    hasLoaded_ = true;
}

PrinterState readState(const fs::path& path) {
    StateFile file(path);
    const auto guard = file.lock();
    PrinterState state;
    file.refresh(state);
    return state;
}

void modifyState(const fs::path& path, const std::function<void(PrinterState&)>& fn) {
    StateFile file(path);
    const auto guard = file.lock();
    PrinterState state;
    file.refresh(state);
    fn(state);
    file.save(state);
}

} // namespace korva
