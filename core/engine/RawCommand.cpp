#include "core/engine/RawCommand.h"

#include "core/base/Cp1252.h"

#include <cstdio>

namespace morvelan {
namespace {

std::string hexBytes(std::string_view bytes) {
    std::string text;
    for (const char c : bytes) {
        char hex[8] = {};
        std::snprintf(hex, sizeof hex, "%s0x%02X", text.empty() ? "" : " ",
                      static_cast<unsigned char>(c));
        text += hex;
    }
    return text;
}

std::string lossText(const Cp1252Loss& loss) {
    if (loss.malformed) {
        return "a sequência de bytes " + hexBytes(loss.character) +
               " não forma um caractere UTF-8.";
    }
    char codePoint[16] = {};
    std::snprintf(codePoint, sizeof codePoint, "U+%04X", static_cast<unsigned>(loss.codePoint));
    // A control character has nothing to show between quotes.
    const bool visible = loss.codePoint >= 0xA0;
    return "o caractere " +
           (visible ? "\"" + loss.character + "\" (" + codePoint + ")" : std::string(codePoint)) +
           " não existe no Windows-1252, o código de caracteres da impressora.";
}

} // namespace

RawCommandLine rawCommandLine(std::string_view utf8) {
    StrictCp1252 converted = toCp1252Strict(utf8);
    if (converted.loss) {
        return {{},
                "Comando [ " + std::string(utf8) + " ] não enviado: " + lossText(*converted.loss)};
    }
    if (converted.bytes.size() > kMaxRawCommand) {
        return {{},
                "Comando não enviado: longo demais (" + std::to_string(converted.bytes.size()) +
                    " caracteres; no máximo " + std::to_string(kMaxRawCommand) + ")."};
    }
    return {std::move(converted.bytes), {}};
}

} // namespace morvelan
