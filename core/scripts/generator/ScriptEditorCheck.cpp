// "Verificar Script": the generator's list held to the dictionary and the script format before it
// is saved or run.
#include "core/scripts/check/ScriptCheck.h"
#include "core/scripts/generator/ScriptEditor.h"
#include "core/scripts/scriptfile/ScriptFile.h"

namespace morvelan {

void ScriptEditor::checkScript() {
    // Checked as the file will hold the lines, so that the numbers match the list's and the
    // texts the saved script's.
    std::vector<std::string> fileLines;
    fileLines.reserve(lines_.size());
    for (const std::string& line : lines_) {
        fileLines.push_back(StripDisplayName(line));
    }
    const ScriptCheckOutcome outcome =
        CheckScriptLines(fileLines, dictionary_.get(), kFindingsShown);
    prompts().message(kAlertTitle, ScriptCheckMessage(outcome),
                      outcome.total == 0 ? PromptIcon::Information : PromptIcon::Warning);
}

} // namespace morvelan
