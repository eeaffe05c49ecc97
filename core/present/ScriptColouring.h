// How the "Execução de Script" window colours the command log, one line at a time. Shared with
// the script executor, which shows the same log.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace morvelan {

enum class ScriptLineColour { Black, Blue, Red, DarkGreen };

struct Rgb {
    int red, green, blue;
};

Rgb rgbOf(ScriptLineColour colour);

// A line's colour by its beginning; lines that say nothing about themselves continue the colour
// of the line before them.
ScriptLineColour scriptLineColour(std::string_view line, ScriptLineColour previous);

inline constexpr std::size_t kMaxScriptLogLine = 1024;

// The UTF-8 log split at its line ends (CR LF, or a lone LF), each line cut to kMaxScriptLogLine
// characters. A final line end does not start another line.
std::vector<std::string> scriptLogLines(std::string_view log);

struct ColouredLine {
    std::string text;
    ScriptLineColour colour;
};

std::vector<ColouredLine> colourScriptLog(std::string_view log);

} // namespace morvelan
