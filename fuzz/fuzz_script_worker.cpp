// Runs any bytes as a script through the script worker, against the virtual printer in this
// process, with every message answered at once: whatever a script holds, the worker must end,
// stay inside its buffers and leave a log it can stand behind.
#include "core/base/WindowlessFrame.h"
#include "core/engine/Engine.h"
#include "core/scripts/dictionary/CommandDictionary.h"
#include "core/scripts/executor/ScriptWorker.h"
#include "core/scripts/scriptfile/ScriptFile.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace morvelan;

// Every question is answered "yes" and every message dismissed, as a patient technician would.
class AnsweringPrompts final : public Prompts {
public:
    void message(const std::string&, const std::string&, PromptIcon) override {}
    bool askYesNo(const std::string&, const std::string&, PromptIcon) override { return true; }
    bool askOkCancel(const std::string&, const std::string&, PromptIcon) override { return true; }
    std::optional<std::string> openFile(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> saveFile(const std::string&, const std::string&) override {
        return std::nullopt;
    }
};

struct Bench {
    std::filesystem::path directory;
    AnsweringPrompts prompts;
    WindowlessFrame frame;
    std::unique_ptr<Engine> engine;
    std::unique_ptr<CommandDictionary> dictionary = std::make_unique<CommandDictionary>();
    std::atomic<bool> stop{false};

    Bench() {
        directory = std::filesystem::temp_directory_path() /
                    ("morvelan-fuzz-worker-" + std::to_string(::getpid()));
        std::filesystem::create_directories(directory);
        ::setenv("KORVA_SIM_STATE", (directory / "printer.json").c_str(), 1);
        std::filesystem::copy_file(MORVELAN_COMANDOS_XML, directory / "comandos.xml",
                                   std::filesystem::copy_options::overwrite_existing);
        LibraryEntries entries;
#define MORVELAN_BIND_ENTRY(name) entries.name = &KORVA_##name;
        MORVELAN_KORVA_ENTRY_POINTS(MORVELAN_BIND_ENTRY)
#undef MORVELAN_BIND_ENTRY
        engine = std::make_unique<Engine>(bindLibraryFromTable(entries), prompts, frame,
                                          directory.string());
        LoadCommandDictionary(directory, prompts, *dictionary);
        engine->ensurePrinter();
    }
};

// How many times the script's loops could repeat their blocks, at most. Loop counts reach 9999,
// and a script of a few lines could keep the printer busy for minutes: those are left out, since
// every repetition only sends what one pass already sent.
long LoopRepetitions(std::string_view text) {
    long repetitions = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        repetitions += ScriptLoopCount(text.substr(start, end - start));
        start = end + 1;
    }
    return repetitions;
}

Bench& TheBench() {
    static Bench bench;
    return bench;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // One line at most as long as the reader takes, so that the lines counted below are the
    // lines the worker reads.
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (size >= kScriptLineBuffer || LoopRepetitions(text) > 20)
        return 0;
    Bench& bench = TheBench();
    const auto script = bench.directory / "fuzz.SEQ";
    std::ofstream(script, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    std::string log;
    ScriptWorker worker(*bench.engine, *bench.dictionary, bench.stop,
                        ScriptWorkerOptions{.stopOnLowPaper = true});
    const ScriptWorkerOutcome outcome = worker.run(0, script, log);
    if (outcome.commandsFailed > outcome.commandsSent)
        std::abort();
    return 0;
}
