// Offers any bytes as a command file twice over. As a file the technician opens: the check
// decides, and a file it takes becomes the working file byte for byte. As a working file found
// damaged at start-up, unchecked: every form's block must still be read from inside the file's
// image and the title must stay one the window can show.
#include "FuzzCheck.h"
#include "InputShare.h"
#include "ScratchFolder.h"

#include "core/base/CommandFile.h"
#include "core/base/CommandFileActions.h"
#include "core/base/CommandFileCheck.h"
#include "core/base/CommandFileLayout.h"
#include "core/base/RegularFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace morvelan;

using fuzz::Check;

class CountingPrompts final : public Prompts {
public:
    void message(const std::string&, const std::string&, PromptIcon) override { ++messages; }
    bool askYesNo(const std::string&, const std::string&, PromptIcon) override { return false; }
    bool askOkCancel(const std::string&, const std::string&, PromptIcon) override { return false; }
    std::optional<std::string> openFile(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> saveFile(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    int messages = 0;
};

class TitleFrame final : public FrameServices {
public:
    void showResponsePanel() override {}
    void showResult(int, int, int, const ResultRecord&) override {}
    void waitForWorker(const std::atomic<std::uint8_t>&) override {}
    void waitForDetection(const std::atomic<std::uint8_t>&) override {}
    void closeMainWindow() override {}
    void setWindowTitle(const std::string& shown) override { title = shown; }
    std::string title;
};

std::string MemoryFolder() {
    static const fuzz::ScratchFolder folder(fuzz::MemoryParent(), "fuzzcmd");
    return folder.path().string();
}

// Taking a file replaces the working file, flushed to disk, which costs the disk's time rather
// than the code's: the working file lives in memory but for one input in 256.
std::string WorkingFolder(std::string_view bytes) {
    static const fuzz::ScratchFolder onDisk(std::filesystem::temp_directory_path(), "fuzzcmd");
    return fuzz::InShare(bytes, 256) ? onDisk.path().string() : MemoryFolder();
}

// The files the target lays out for the code under test, where only their bytes matter.
void WriteFixture(const std::string& path, std::string_view bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    Check(!file.fail());
}

bool TitleShowable(const std::string& title) {
    return title == kUnnamedTitle || (title.starts_with("Morvelan .: ") && title.ends_with(" :."));
}

// Every block as a form reads it, into a buffer longer than the block: the block's bytes come
// from `image` (zeros past its end) and nothing beyond the block is touched.
void CheckBlocks(CommandFileStore& store, std::string_view image) {
    for (const CommandFileBlock& block : kCommandFileBlocks) {
        std::vector<char> record(block.size + 7, '\x55');
        Check(store.readCommandFile(block.type, block.step, record));
        std::string expected(block.size, '\0');
        if (block.offset < image.size()) {
            const std::string_view present = image.substr(block.offset, block.size);
            std::copy(present.begin(), present.end(), expected.begin());
        }
        Check(std::string_view(record.data(), block.size) == expected);
        Check(std::all_of(record.begin() + static_cast<std::ptrdiff_t>(block.size), record.end(),
                          [](char c) { return c == '\x55'; }));
    }
}

void OpenAsChosenFile(std::string_view bytes, const std::string& chosen) {
    const std::string directory = WorkingFolder(bytes);
    const std::string working = directory + "/default.cmd";
    WriteFixture(working, std::string(kCommandFileSize, '\0'));

    std::string workingPath = working;
    CountingPrompts prompts;
    TitleFrame frame;
    CommandFileStore store(workingPath, directory, prompts, frame);
    const bool accepted = !commandFileFault(bytes).has_value();
    Check(loadCommandFile(chosen, store, prompts) == accepted);
    Check(prompts.messages == 1);
    const std::optional<std::string> now = readWholeFile(working);
    Check(now.has_value());
    if (!accepted) {
        Check(*now == std::string(kCommandFileSize, '\0'));
        return;
    }
    // The working file now holds the same bytes that are read block by block below as a damaged
    // working file, through the same reads: reading its blocks here too would find nothing new.
    Check(bytes.size() == kCommandFileSize && *now == bytes);
    Check(TitleShowable(frame.title) && (frame.title == kUnnamedTitle) == (bytes[0] == '\0'));
    std::vector<char> saveAs(kFileRequestSize, '\0');
    Check(store.readCommandFile(10, 3, saveAs));
    Check(saveAs.back() == '\0');
}

// Reading a working file, damaged or not, leaves it as it is: the file offered as the chosen one
// serves.
void ReadAsDamagedWorkingFile(std::string_view bytes, std::string workingPath) {
    CountingPrompts prompts;
    TitleFrame frame;
    CommandFileStore store(workingPath, MemoryFolder(), prompts, frame);
    CheckBlocks(store, bytes);
    Check(TitleShowable(frame.title));
    Check(prompts.messages == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string offered = MemoryFolder() + "/offered.cmd";
    WriteFixture(offered, bytes);
    OpenAsChosenFile(bytes, offered);
    ReadAsDamagedWorkingFile(bytes, offered);
    return 0;
}
