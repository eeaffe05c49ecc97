#include "core/base/CommandFileCheck.h"

#include "core/base/CommandFileLayout.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace morvelan {
namespace {

struct Area {
    std::size_t offset;
    std::size_t size;
};

// The program never writes these: a new file holds zeros there and every write carries them
// over, so anything else in them comes from another program or a damaged copy.
constexpr std::array<Area, 4> kReservedAreas = {{
    {offsetof(CommandFileImage, reserved1538), sizeof(CommandFileImage::reserved1538)},
    {offsetof(CommandFileImage, reserved5555), sizeof(CommandFileImage::reserved5555)},
    {offsetof(CommandFileImage, reserved6246), sizeof(CommandFileImage::reserved6246)},
    {offsetof(CommandFileImage, reserved7108), sizeof(CommandFileImage::reserved7108)},
}};

// Windows-1252 text up to its terminating zero: no control characters.
bool isIdentificationText(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

} // namespace

std::optional<std::string> commandFileFault(std::string_view bytes) {
    if (bytes.size() != kCommandFileSize) {
        return "O arquivo tem " + std::to_string(bytes.size()) +
               " bytes; um arquivo de comandos tem " + std::to_string(kCommandFileSize) + " bytes.";
    }
    const std::string_view identification =
        bytes.substr(0, sizeof(CommandFileImage::identification));
    const std::size_t end = identification.find('\0');
    if (end == std::string_view::npos || !isIdentificationText(identification.substr(0, end))) {
        return std::string("A identificação do arquivo está danificada.");
    }
    for (const Area& area : kReservedAreas) {
        const std::string_view reserved = bytes.substr(area.offset, area.size);
        if (reserved.find_first_not_of('\0') != std::string_view::npos) {
            return std::string("O conteúdo do arquivo não é o de um arquivo de comandos.");
        }
    }
    return std::nullopt;
}

} // namespace morvelan
