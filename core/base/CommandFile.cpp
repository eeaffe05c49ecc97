#include "core/base/CommandFile.h"

#include "core/base/AtomicFile.h"
#include "core/base/CommandFileLayout.h"
#include "core/base/Cp1252.h"
#include "core/base/RegularFile.h"

#include <algorithm>
#include <cstring>

namespace morvelan {
namespace {

using Image = std::array<char, kCommandFileSize>;

// The file's bytes; a missing or short file reads as zeros for what is missing.
Image loadImage(const std::string& path) {
    Image image{};
    if (const auto content = readWholeFile(path)) {
        std::memcpy(image.data(), content->data(), std::min(content->size(), image.size()));
    }
    return image;
}

std::string_view identificationOf(const Image& image) {
    constexpr std::size_t kWidth = sizeof(CommandFileImage::identification);
    return std::string_view(image.data(), strnlen(image.data(), kWidth));
}

// A zero-terminated text of `data`, at most width - 1 bytes from `offset`.
std::string requestText(std::span<const char> data, std::size_t offset, std::size_t width) {
    if (offset >= data.size()) {
        return {};
    }
    const std::size_t limit = std::min(width - 1, data.size() - offset);
    return std::string(data.data() + offset, strnlen(data.data() + offset, limit));
}

void setIdentification(Image& image, std::string_view identification) {
    constexpr std::size_t kWidth = sizeof(CommandFileImage::identification);
    std::memset(image.data(), 0, kWidth);
    std::memcpy(image.data(), identification.data(), std::min(identification.size(), kWidth - 1));
}

bool isFileOperation(int type, int step) {
    return type == 10 && step >= 1 && step <= 3;
}

} // namespace

CommandFileStore::CommandFileStore(std::string& commandFilePath, std::string programDirectory,
                                   Prompts& prompts, FrameServices& frame)
    : commandFilePath_(commandFilePath), programDirectory_(std::move(programDirectory)),
      prompts_(prompts), frame_(frame) {}

std::string CommandFileStore::defaultPath() const {
    return programDirectory_ + "/" + kCommandFileName;
}

std::string CommandFileStore::workingPath() const {
    return commandFilePath_.empty() ? defaultPath() : commandFilePath_;
}

void CommandFileStore::ensurePath() {
    if (commandFilePath_.empty()) {
        commandFilePath_ = defaultPath();
    }
}

bool CommandFileStore::readCommandFile(int type, int step, std::span<char> data) {
    ensurePath();
    // Every block a form reads comes through here: the 1,024-byte identification is converted
    // and the window retitled only when it changed.
    const auto showTitle = [this](const Image& image) {
        const std::string_view identification = identificationOf(image);
        if (titledAs_ == identification) {
            return;
        }
        titledAs_ = std::string(identification);
        frame_.setWindowTitle(identification.empty()
                                  ? std::string(kUnnamedTitle)
                                  : "Morvelan .: " + fromCp1252(identification) + " :.");
    };
    const Image image = loadImage(commandFilePath_);
    showTitle(image);

    if (const auto block = commandFileBlock(type, step)) {
        if (!data.empty()) {
            std::memcpy(data.data(), image.data() + block->offset,
                        std::min(block->size, data.size()));
        }
        return true;
    }
    if (type == 10 && (step == 1 || step == 2)) {
        // The chosen file replaces the working file in one step; when it cannot be read, the
        // working file stays as it was instead of being lost.
        const std::string source = requestText(data, 0, kFileRequestPathSize);
        const auto content =
            source.empty() ? std::nullopt : readWholeFile(source, kCommandFileBound);
        if (!content || !replaceFileAtomically(commandFilePath_, *content)) {
            return false;
        }
        showTitle(loadImage(commandFilePath_));
        return true;
    }
    if (type == 10 && step == 3 && data.size() > kFileRequestPathSize) {
        const std::string_view identification = identificationOf(image);
        const std::size_t room = data.size() - kFileRequestPathSize;
        std::memset(data.data() + kFileRequestPathSize, 0, room);
        std::memcpy(data.data() + kFileRequestPathSize, identification.data(),
                    std::min(identification.size(), room - 1));
    }
    return true;
}

bool CommandFileStore::writeCommandFile(int type, int step, std::span<const char> data) {
    ensurePath();
    if (isFileOperation(type, step) && step != 1) {
        // A new file, or the working file's content under another identification, written at
        // the chosen path; the working file itself is not touched.
        const std::string target = requestText(data, 0, kFileRequestPathSize);
        if (target.empty()) {
            return false;
        }
        Image image = step == 2 ? Image{} : loadImage(commandFilePath_);
        setIdentification(image, requestText(data, kFileRequestPathSize, 1024 + 1));
        return replaceFileAtomically(target, image);
    }
    const auto block = commandFileBlock(type, step);
    for (;;) {
        Image image = loadImage(commandFilePath_);
        if (block && !data.empty()) {
            std::memcpy(image.data() + block->offset, data.data(),
                        std::min(block->size, data.size()));
        }
        if (replaceFileAtomically(commandFilePath_, image)) {
            return true;
        }
        if (commandFilePath_ == defaultPath()) {
            break;
        }
        commandFilePath_ = defaultPath();
    }
    prompts_.message(kAlertTitle, kCommandFileError, PromptIcon::Information);
    return false;
}

} // namespace morvelan
