// The one check every raw command passes before the library sees it: the command line's send
// hands it what was typed, the script worker and the generator a Windows-1252 line made UTF-8.
#include "core/engine/RawCommand.h"
#include "core/base/Cp1252.h"

#include <gtest/gtest.h>

namespace morvelan {
namespace {

constexpr const char* kNotInCodePage =
    " não existe no Windows-1252, o código de caracteres da impressora.";

TEST(EngineRawCommand, ALineIsSentAsWrittenOrRefusedNamingTheLineAndTheCharacter) {
    struct Case {
        const char* name;
        std::string line;
        std::string bytes;   // sent
        std::string refusal; // or refused
    };
    const Case cases[] = {
        {"typed, in the code page", "0107|0000|JOSÉ €", "0107|0000|JOS\xC9 \x80", ""},
        {"typed, outside the code page", "0107|0000|JOSÉ 😀", "",
         "Comando [ 0107|0000|JOSÉ 😀 ] não enviado: o caractere \"😀\" (U+1F600)" +
             std::string(kNotInCodePage)},
        {"typed in Latin-1, not UTF-8", "0107|0000|JOS\xC9", "",
         "Comando [ 0107|0000|JOS\xC9 ] não enviado: a sequência de bytes 0xC9 não forma um "
         "caractere UTF-8."},
        {"a script's or the dictionary's undefined byte", fromCp1252("0107|0000|A\x81"), "",
         "Comando [ 0107|0000|A\xC2\x81 ] não enviado: o caractere U+0081" +
             std::string(kNotInCodePage)},
        {"a script's line, in the code page", fromCp1252("0107|0000|S\xC3O"), "0107|0000|S\xC3O",
         ""},
        {"the longest the library takes", std::string(kMaxRawCommand, 'x'),
         std::string(kMaxRawCommand, 'x'), ""},
        {"one character more", std::string(kMaxRawCommand + 1, 'x'), "",
         "Comando não enviado: longo demais (1025 caracteres; no máximo 1024)."},
    };
    for (const Case& c : cases) {
        const RawCommandLine raw = rawCommandLine(c.line);
        EXPECT_EQ(raw.refusal, c.refusal) << c.name;
        EXPECT_EQ(raw.bytes, c.bytes) << c.name;
    }
}

} // namespace
} // namespace morvelan
