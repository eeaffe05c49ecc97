// The check of a script before it runs: every line against the script file format and, with a
// command dictionary, every command line against its command (code, extension, number of fields,
// reserved fields). It reads lines only and never talks to a printer, so a mistyped code or a
// missing field is found at the desk, not in the middle of a run that then goes on.
#pragma once

#include "core/scripts/dictionary/CommandDictionary.h"
#include "core/scripts/scriptfile/ScriptFile.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvelan {

struct ScriptFinding {
    int line = 0;       // the file's line number, from one
    std::string text;   // the line as written (Windows-1252)
    std::string reason; // UTF-8, a sentence for the technician
};

using ScriptFindingSink = std::function<void(const ScriptFinding&)>;

// Checks the lines one at a time, in file order, handing each finding to the sink as it is found
// (a loop left open is found at the next loop start or at finish()). Without a dictionary,
// command lines are held to the format alone.
class ScriptCheck {
public:
    ScriptCheck(const CommandDictionary* dictionary, ScriptFindingSink sink);

    // A line as the script file reader delivers it; a number equal to the last one's is the rest
    // of a line longer than the reader's buffer.
    void line(int number, std::string_view text);
    // After the last line.
    void finish();
    std::size_t findings() const { return findings_; }

private:
    void report(int number, std::string_view text, std::string reason);
    void checkCharacters(int number, std::string_view text);
    void checkControl(int number, std::string_view text, ScriptLineKind kind);
    void checkLoopEnd(int number, std::string_view text);
    void checkAdvanceDay(int number, std::string_view text);
    void checkCommand(int number, std::string_view text);

    const CommandDictionary* dictionary_;
    ScriptFindingSink sink_;
    std::size_t findings_ = 0;
    int lastNumber_ = 0;
    std::optional<ScriptFinding> openLoop_; // the loop start line while its loop is open
};

// Every line the reader gives; the number of findings.
std::size_t CheckScriptFile(ScriptFileReader& reader, const CommandDictionary* dictionary,
                            const ScriptFindingSink& sink);

// As many findings as a message box shows; the rest are counted.
inline constexpr std::size_t kFindingsShown = 20;

// The first `keep` findings of a script and how many there are in all.
struct ScriptCheckOutcome {
    std::vector<ScriptFinding> findings;
    std::size_t total = 0;
};

// Nothing when the file cannot be read.
std::optional<ScriptCheckOutcome> CheckScriptFile(const std::filesystem::path& path,
                                                  const CommandDictionary* dictionary,
                                                  std::size_t keep);

// Lines as a script file holds them (without display names), numbered from one.
ScriptCheckOutcome CheckScriptLines(const std::vector<std::string>& lines,
                                    const CommandDictionary* dictionary, std::size_t keep);

// "Linha 3: 0001|0009" and, on the next line, the reason; UTF-8, ending in a line end. The line is
// shown as Windows-1252, or as it stands when it is UTF-8 already.
std::string ScriptFindingText(const ScriptFinding& finding);

// "3 problemas encontrados no script." or "Nenhum problema encontrado no script."
std::string ScriptCheckSummary(std::size_t total);

// What a window shows: the summary and the findings kept, with how many more there are.
std::string ScriptCheckMessage(const ScriptCheckOutcome& outcome);

} // namespace morvelan
