// Checks any bytes as a script file, as morvelan-cli check, the generator and the executor do.
#include "FuzzCheck.h"
#include "core/base/Utf8Text.h"
#include "core/scripts/check/ScriptCheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace morvelan;

using fuzz::Check;

// Two commands of the real dictionary's shape, one with a reserved field, and a short code.
const CommandDictionary& Dictionary() {
    static const std::unique_ptr<CommandDictionary> table = [] {
        auto filled = std::make_unique<CommandDictionary>();
        CommandEntry& status = filled->groups[0].commands[0];
        SetSlotText(status.code, "0001");
        SetSlotText(status.name, "Ler estado");
        SetSlotText(status.extensions[0].code, "0000");
        status.extensionCount = 1;
        CommandEntry& header = filled->groups[2].commands[5];
        SetSlotText(header.code, "0A10");
        SetSlotText(header.name, "Programar");
        SetSlotText(header.extensions[0].code, "0001");
        header.extensionCount = 1;
        SetSlotText(header.fieldDescriptions[0], "Linha");
        SetSlotText(header.fieldDescriptions[1], kReservedField);
        SetSlotText(header.fieldDefaults[1], "00");
        header.fieldCount = 2;
        SetSlotText(filled->groups[3].commands[0].code, "AB");
        return filled;
    }();
    return *table;
}

std::FILE* Open(const std::uint8_t* data, std::size_t size) {
    return fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    int fileLines = 1;
    for (std::size_t i = 0; i < size; ++i) {
        fileLines += data[i] == '\n' ? 1 : 0;
    }
    const CommandDictionary* dictionary = (data[0] & 1) != 0 ? &Dictionary() : nullptr;

    std::vector<ScriptFinding> findings;
    std::FILE* file = Open(data, size);
    if (file == nullptr) {
        return 0;
    }
    ScriptFileReader reader(file);
    const std::size_t total = CheckScriptFile(
        reader, dictionary, [&findings](const ScriptFinding& f) { findings.push_back(f); });
    Check(total == findings.size());
    for (const ScriptFinding& finding : findings) {
        Check(finding.line >= 1 && finding.line <= fileLines);
        Check(finding.text.size() < kScriptLineBuffer);
        Check(!finding.reason.empty());
        // The line as shown and the reason, for a terminal or a window.
        Check(isValidUtf8(ScriptFindingText(finding)));
    }

    // The generator checks its list line by line; without an overlong line it must find the same.
    // Compared on half of the inputs: it reads and checks everything a second time.
    if ((data[0] & 2) == 0) {
        return 0;
    }
    std::FILE* again = Open(data, size);
    if (again == nullptr) {
        return 0;
    }
    ScriptFileReader lineReader(again);
    std::vector<std::string> lines;
    bool overlong = false;
    int lastNumber = 0;
    for (std::string line; lineReader.readLine(line); lastNumber = lineReader.lineNumber()) {
        overlong = overlong || lineReader.lineNumber() == lastNumber;
        lines.push_back(line);
    }
    if (!overlong) {
        const ScriptCheckOutcome listed = CheckScriptLines(lines, dictionary, findings.size());
        Check(listed.total == total);
        for (std::size_t i = 0; i < findings.size(); ++i) {
            Check(listed.findings[i].reason == findings[i].reason);
            Check(listed.findings[i].text == findings[i].text);
        }
    }
    return 0;
}
