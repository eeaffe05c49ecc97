#include "executor/ScriptListing.h"

#include "core/Cp1252.h"
#include "scriptfile/ScriptFile.h"

namespace morvelan {

std::optional<std::string> scriptListing(const std::filesystem::path& script) {
    const auto lines = ReadScriptFile(script);
    if (!lines) {
        return std::nullopt;
    }
    std::string listing;
    for (const std::string& line : *lines) {
        listing += fromCp1252(line);
        listing += "\r\n";
    }
    return listing;
}

} // namespace morvelan
