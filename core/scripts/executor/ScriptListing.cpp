#include "core/scripts/executor/ScriptListing.h"

#include "core/base/Cp1252.h"
#include "core/scripts/scriptfile/ScriptFile.h"

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
