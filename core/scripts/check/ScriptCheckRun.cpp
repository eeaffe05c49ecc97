// Running the check over a file or the generator's list, and the texts that report it.
#include "core/scripts/check/ScriptCheck.h"

#include "core/base/Cp1252.h"
#include "core/base/Utf8Text.h"

namespace morvelan {
namespace {

// Enough to see what is wrong in a window; the rest is counted.
ScriptFindingSink keeping(ScriptCheckOutcome& outcome, std::size_t keep) {
    return [&outcome, keep](const ScriptFinding& finding) {
        ++outcome.total;
        if (outcome.findings.size() < keep) {
            outcome.findings.push_back(finding);
        }
    };
}

} // namespace

std::size_t CheckScriptFile(ScriptFileReader& reader, const CommandDictionary* dictionary,
                            const ScriptFindingSink& sink) {
    ScriptCheck check(dictionary, sink);
    std::string line;
    while (reader.readLine(line)) {
        check.line(reader.lineNumber(), line);
    }
    check.finish();
    return check.findings();
}

std::optional<ScriptCheckOutcome> CheckScriptFile(const std::filesystem::path& path,
                                                  const CommandDictionary* dictionary,
                                                  std::size_t keep) {
    ScriptFileReader reader(path);
    if (!reader.isOpen()) {
        return std::nullopt;
    }
    ScriptCheckOutcome outcome;
    CheckScriptFile(reader, dictionary, keeping(outcome, keep));
    return outcome;
}

ScriptCheckOutcome CheckScriptLines(const std::vector<std::string>& lines,
                                    const CommandDictionary* dictionary, std::size_t keep) {
    ScriptCheckOutcome outcome;
    ScriptCheck check(dictionary, keeping(outcome, keep));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        check.line(static_cast<int>(i) + 1, lines[i]);
    }
    check.finish();
    return outcome;
}

std::string ScriptFindingText(const ScriptFinding& finding) {
    // A line saved in UTF-8 is shown as its writer sees it; the finding says it is UTF-8.
    const std::string shown = isValidUtf8(finding.text) ? finding.text : fromCp1252(finding.text);
    return "Linha " + std::to_string(finding.line) + ": " + shown + "\n    " + finding.reason +
           "\n";
}

std::string ScriptCheckSummary(std::size_t total) {
    if (total == 0) {
        return "Nenhum problema encontrado no script.";
    }
    return std::to_string(total) +
           (total == 1 ? " problema encontrado no script." : " problemas encontrados no script.");
}

std::string ScriptCheckMessage(const ScriptCheckOutcome& outcome) {
    std::string text = ScriptCheckSummary(outcome.total);
    if (outcome.total == 0) {
        return text;
    }
    text += "\n";
    for (const ScriptFinding& finding : outcome.findings) {
        text += "\n" + ScriptFindingText(finding);
    }
    if (const std::size_t more = outcome.total - outcome.findings.size(); more > 0) {
        text += "\n... e mais " + std::to_string(more) + (more == 1 ? " problema." : " problemas.");
    } else {
        text.pop_back(); // the last finding's line end: a question may follow
    }
    return text;
}

} // namespace morvelan
