// The header lines ("Clichê") between the form's boxes and the printer's bytes. A line with print
// attributes goes to the printer as ESC, one attribute character and the text; a line without
// them as its text alone.
#pragma once

#include "core/features/common/FormRecord.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace morvelan::settings {

struct HeaderAttributes {
    bool reverse = false;      // "Invertido"
    bool bold = false;         // "Negrito"
    bool underline = false;    // "Sublinhado"
    bool doubleHeight = false; // "Altura Dupla"
    bool doubleWidth = false;  // "Largura Dupla"
    bool operator==(const HeaderAttributes&) const = default;
    bool any() const { return reverse || bold || underline || doubleHeight || doubleWidth; }
};

struct HeaderLine {
    std::string text; // UTF-8
    HeaderAttributes attributes;
};

// 32 plus 1 bold, 2 underline, 4 double width, 8 double height, 16 reverse.
char attributeCharacter(const HeaderAttributes& attributes);

// The Windows-1252 bytes of a line as the printer takes it: the text cut to 56 characters, or
// ESC, the attribute character and the text cut to 54.
std::string encodeHeaderLine(const HeaderLine& line);

// A line as the printer holds it (Windows-1252), split into its boxes and its trimmed text.
HeaderLine decodeHeaderLine(std::string_view printerLine);

// What the "Clichê" form shows and sends.
struct HeaderValues {
    std::array<HeaderLine, 4>
        lines;               // "Razão Social", "Nome Fantasia", "Endereço 01", "Endereço 02"
    std::string ecfNumber;   // at most 3 characters
    std::string storeNumber; // at most 4 characters
    // Third-generation printers may leave the trade name and the second address line out; a
    // line left out is sent empty.
    bool sendTradeName = true;
    bool sendSecondAddress = true;
};

// The request data of a send: a zeroed record with the encoded lines and the numbers.
FormRecord headerRecord(const HeaderValues& values);

// The values of a record (last values sent, or a reading), every text trimmed. The two "send"
// flags say whether the printer holds a trade name and a second address line.
HeaderValues headerValues(std::span<const char> record);

// True when the UTF-8 text holds nothing but blanks.
bool isBlank(std::string_view text);

} // namespace morvelan::settings
