// Runs any bytes as a script through the script worker, against the virtual printer in this
// process, with every message answered at once: whatever a script holds, the worker must end,
// stay inside its buffers and leave a log it can stand behind.
#include "ScratchFolder.h"

#include "PaperRoll.h"
#include "core/base/AtomicFile.h"
#include "core/base/RegularFile.h"
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

#include <sys/stat.h>

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

// Built once: the engine, the dictionary and a printer found on its port. The printer writes its
// state file, flushed to disk, after every change, so the files live in memory.
struct Bench {
    fuzz::ScratchFolder folder{fuzz::MemoryParent(), "morvelan-fuzz-worker"};
    std::filesystem::path directory = folder.path();
    std::filesystem::path state = directory / "printer.json";
    AnsweringPrompts prompts;
    WindowlessFrame frame;
    std::unique_ptr<Engine> engine;
    std::unique_ptr<CommandDictionary> dictionary = std::make_unique<CommandDictionary>();
    std::atomic<bool> stop{false};
    std::string freshState;
    ino_t freshInode = 0;

    Bench() {
        ::setenv("KORVA_SIM_STATE", state.c_str(), 1);
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
        freshState = readWholeFile(state.string()).value_or("");
        if (freshState.empty())
            std::abort();
        freshInode = inodeOfState();
    }

    // The printer saves by putting a new file in place, so a file with the inode of the one
    // put back last holds the state detection left, unread.
    ino_t inodeOfState() const {
        struct stat status {};
        return ::stat(state.c_str(), &status) == 0 ? status.st_ino : 0;
    }

    // Every input meets the printer as detection left it, so that a crash replays alone. After
    // each run the paper roll, rewritten whole for every document, goes; the state file is put
    // back when the run changed it, and read by the printer at once: what the run made the printer
    // hold is released within the run, or libFuzzer, seeing more allocations than releases, would
    // run the input again to look for a leak.
    void resetPrinter() {
        std::error_code ignored;
        std::filesystem::remove(korva::paper::rollPath(state), ignored);
        if (const ino_t now = inodeOfState(); now != 0 && now == freshInode)
            return;
        if (!replaceFileAtomically(state.string(), freshState))
            std::abort();
        freshInode = inodeOfState();
        char status[21] = {};
        engine->askPrinterStatus(status);
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
    bench.resetPrinter();
    if (outcome.commandsFailed > outcome.commandsSent)
        std::abort();
    return 0;
}
