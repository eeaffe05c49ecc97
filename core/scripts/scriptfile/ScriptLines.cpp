// The kinds of script lines and the pieces the runner and the generator take out of them.
#include "core/scripts/scriptfile/ScriptFile.h"

namespace morvelan {

ScriptLineKind ClassifyScriptLine(std::string_view line) {
    if (line.empty()) {
        return ScriptLineKind::Empty;
    }
    const char second = line.size() > 1 ? line[1] : '\0';
    switch (line[0]) {
    case '/':
        return ScriptLineKind::Comment;
    case '#':
        return second == '@' ? ScriptLineKind::TimedMessage : ScriptLineKind::Message;
    case '<':
        switch (second) {
        case 'I':
            return ScriptLineKind::LoopStart;
        case 'F':
            return ScriptLineKind::LoopEnd;
        case 'A':
            return ScriptLineKind::AdvanceDay;
        default:
            return ScriptLineKind::OtherControl;
        }
    default:
        return ScriptLineKind::Command;
    }
}

std::string_view ScriptMessageText(std::string_view line) {
    switch (ClassifyScriptLine(line)) {
    case ScriptLineKind::Message:
        return line.substr(1);
    case ScriptLineKind::TimedMessage:
        return line.substr(2);
    default:
        return {};
    }
}

int ScriptLoopCount(std::string_view line) {
    const std::size_t open = line.find('[');
    const std::size_t close = line.find(']');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open) {
        return 0;
    }
    std::string_view digits = line.substr(open + 1, close - open - 1).substr(0, 4);
    while (!digits.empty() && digits.front() == ' ') {
        digits.remove_prefix(1);
    }
    int count = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            break;
        }
        count = count * 10 + (c - '0');
    }
    return count;
}

std::string ScriptLoopEndLine(std::string_view count) {
    std::string line(kLoopEndPrefix);
    line += count;
    line += kLoopEndSuffix;
    return line;
}

std::vector<std::string> SplitCommandLine(std::string_view line) {
    std::vector<std::string> pieces;
    std::size_t from = 0;
    for (;;) {
        const std::size_t bar = line.find('|', from);
        pieces.emplace_back(line.substr(from, bar == std::string_view::npos ? bar : bar - from));
        if (bar == std::string_view::npos) {
            return pieces;
        }
        from = bar + 1;
    }
}

std::string StripDisplayName(std::string_view line) {
    if (line.empty() || line[0] == '/' || line[0] == '#' || line[0] == '<') {
        return std::string(line);
    }
    const std::size_t dash = line.find('-');
    if (dash == std::string_view::npos) {
        return std::string(line);
    }
    const std::size_t from = dash + 2 < line.size() ? dash + 2 : line.size();
    return std::string(line.substr(from));
}

std::string EditorCommandCode(std::string_view line) {
    std::string code(line.substr(0, 4));
    for (char& c : code) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return code;
}

std::optional<std::string> RestoreDisplayName(const CommandDictionary& table,
                                              std::string_view line) {
    if (!line.empty() && (line[0] == '#' || line[0] == '/' || line[0] == '<')) {
        return std::string(line);
    }
    const std::optional<CommandSlot> slot = FindCommandForEditorLine(table, line);
    if (!slot) {
        return std::nullopt;
    }
    std::string shown(SlotText(CommandAt(table, *slot).name));
    shown += " - ";
    shown += EditorCommandCode(line);
    shown += line.substr(line.size() < 4 ? line.size() : 4);
    return shown;
}

} // namespace morvelan
