#include "core/present/ScriptColouring.h"

namespace morvelan {

namespace {
// Cuts a UTF-8 line after `limit` characters, never inside one.
std::string_view cutLine(std::string_view line, std::size_t limit) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const auto byte = static_cast<unsigned char>(line[i]);
        if ((byte & 0xC0) != 0x80 && characters++ == limit)
            return line.substr(0, i);
    }
    return line;
}
} // namespace

Rgb rgbOf(ScriptLineColour colour) {
    switch (colour) {
    case ScriptLineColour::Blue:
        return {0, 0, 255};
    case ScriptLineColour::Red:
        return {255, 0, 0};
    case ScriptLineColour::DarkGreen:
        return {0, 128, 64};
    case ScriptLineColour::Black:
        break;
    }
    return {0, 0, 0};
}

ScriptLineColour scriptLineColour(std::string_view line, ScriptLineColour previous) {
    if (line.starts_with("Resposta: ( 0000"))
        return ScriptLineColour::Blue;
    if (line.starts_with("Resposta:"))
        return ScriptLineColour::Red;
    if (line.starts_with("*"))
        return ScriptLineColour::DarkGreen;
    if (line.starts_with("Comando") || line.starts_with("="))
        return ScriptLineColour::Black;
    return previous;
}

std::vector<std::string> scriptLogLines(std::string_view log) {
    std::vector<std::string> lines;
    while (!log.empty()) {
        const auto end = log.find('\n');
        auto line = log.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.emplace_back(cutLine(line, kMaxScriptLogLine));
        if (end == std::string_view::npos)
            break;
        log.remove_prefix(end + 1);
    }
    return lines;
}

std::vector<ColouredLine> colourScriptLog(std::string_view log) {
    std::vector<ColouredLine> coloured;
    auto colour = ScriptLineColour::Black;
    for (auto& line : scriptLogLines(log)) {
        colour = scriptLineColour(line, colour);
        coloured.push_back({std::move(line), colour});
    }
    return coloured;
}

} // namespace morvelan
