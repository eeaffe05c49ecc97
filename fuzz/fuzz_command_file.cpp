// Offers any bytes as a command file to open: the check decides, and a file it accepts must then
// go through the working file's reader, block by block, without reading outside its buffers.
#include "commandfile/AtomicFile.h"
#include "commandfile/CommandFile.h"
#include "commandfile/CommandFileLayout.h"
#include "filesforms/CommandFileCheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace morvelan;

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

class SilentPrompts final : public Prompts {
public:
    void message(const std::string&, const std::string&, PromptIcon) override {}
    bool askYesNo(const std::string&, const std::string&, PromptIcon) override { return false; }
    bool askOkCancel(const std::string&, const std::string&, PromptIcon) override { return false; }
    std::optional<std::string> openFile(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> saveFile(const std::string&, const std::string&) override {
        return std::nullopt;
    }
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

const std::string& Directory() {
    static const std::string directory = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "fuzzcmd-XXXXXX").string();
        Check(mkdtemp(pattern.data()) != nullptr);
        return pattern;
    }();
    return directory;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (commandFileFault(bytes)) {
        return 0;
    }
    Check(size == kCommandFileSize);
    const std::string chosen = Directory() + "/chosen.cmd";
    Check(replaceFileAtomically(chosen, bytes));

    std::string workingPath;
    SilentPrompts prompts;
    TitleFrame frame;
    CommandFileStore store(workingPath, Directory(), prompts, frame);
    std::vector<char> request(kFileRequestSize, '\0');
    chosen.copy(request.data(), chosen.size());
    Check(store.readCommandFile(10, 1, request));
    Check(readWholeFile(workingPath) == std::string(bytes));
    Check(frame.title.starts_with("Morvelan .: ") && frame.title.ends_with(" :."));

    for (const CommandFileBlock& block : kCommandFileBlocks) {
        std::vector<char> record(block.size + 7, '\x55');
        Check(store.readCommandFile(block.type, block.step, record));
        Check(std::string_view(record.data(), block.size) ==
              bytes.substr(block.offset, block.size));
    }
    std::vector<char> saveAs(kFileRequestSize, '\0');
    Check(store.readCommandFile(10, 3, saveAs));
    Check(saveAs.back() == '\0');
    return 0;
}
