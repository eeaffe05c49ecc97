// Reads any bytes as a script file, as the script runner and the generator do.
#include "FuzzCheck.h"
#include "core/scripts/scriptfile/ScriptFile.h"
#include "core/scripts/scriptfile/ScriptLoop.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <unordered_set>

namespace {

using namespace morvelan;

using fuzz::Check;

const CommandDictionary& Dictionary() {
    static const std::unique_ptr<CommandDictionary> table = [] {
        auto filled = std::make_unique<CommandDictionary>();
        SetSlotText(filled->groups[0].commands[0].name, "Ler Relogio");
        SetSlotText(filled->groups[0].commands[0].code, "0001");
        SetSlotText(filled->groups[1].commands[4].name, "Curto");
        SetSlotText(filled->groups[1].commands[4].code, "AB");
        return filled;
    }();
    return *table;
}

void CheckLine(const std::string& line) {
    Check(!line.empty() && line.size() < kScriptLineBuffer);
    Check(line.find('\0') == std::string::npos);
    const ScriptLineKind kind = ClassifyScriptLine(line);
    Check(kind != ScriptLineKind::Empty);
    if (kind == ScriptLineKind::Message || kind == ScriptLineKind::TimedMessage) {
        Check(ScriptMessageText(line).size() < line.size());
    }
    const int count = ScriptLoopCount(line);
    Check(count >= 0 && count <= 9999);
    const std::optional<std::string> shown = RestoreDisplayName(Dictionary(), line);
    if (shown && kind == ScriptLineKind::Command) {
        // The dictionary's names hold no dash, so saving gives back the line, code upper-cased.
        Check(StripDisplayName(*shown) ==
              EditorCommandCode(line) + line.substr(4 < line.size() ? 4 : line.size()));
    }
    FindCommandForScriptLine(Dictionary(), line);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    std::FILE* memory = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    if (memory == nullptr) {
        return 0;
    }
    ScriptFileReader reader(memory);
    ScriptLoop loop;
    std::string line;
    // A line met again through a loop is checked once: what is checked of it depends on the line
    // alone.
    std::unordered_set<std::string> checked;
    // Loops may repeat a block up to 9998 times; bound the work per input.
    for (int budget = 300; budget > 0 && reader.readLine(line); --budget) {
        if (checked.insert(line).second) {
            CheckLine(line);
        }
        switch (ClassifyScriptLine(line)) {
        case ScriptLineKind::LoopStart:
            loop.start(reader.position());
            break;
        case ScriptLineKind::LoopEnd:
            if (const std::optional<long> back = loop.end(line)) {
                Check(reader.seek(*back));
            }
            break;
        default:
            break;
        }
    }
    return 0;
}
