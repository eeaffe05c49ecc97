// Decoding of the printer's 20-character status text into the texts the response panel shows.
// Pure: the engine adds the library calls around it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace morvelan {

// The decoded texts, UTF-8.
struct DecodedStatus {
    std::string fieldErrorText;
    std::string portStatusText;
    std::string printerStatusText;
    std::string fiscalStatusText;
    // Four characters; "0004" whenever a field is in error, whatever the printer sent.
    std::string returnCode;
};

DecodedStatus decodeStatusText(std::string_view status);

// The status's first characters, the only ones its four texts depend on; the return code follows.
inline constexpr std::size_t kStatusWordsLength = 16;

// The return code alone, as decodeStatusText gives it.
std::string statusReturnCode(std::string_view status);

// The fiscal word's mode and technical-intervention bits, for the checks that must not depend on
// the wording of the decoded texts.
enum class FiscalMode { Fiscalized, Manufacture, Blocked, Undefined };
struct FiscalState {
    FiscalMode mode = FiscalMode::Undefined;
    bool technicalIntervention = false;
};
FiscalState fiscalStateOf(std::string_view status);

// "( code ) - Resultado sem erro" for "0000", else "( code ) - " and the library's message.
std::string resultLineFor(std::string_view returnCode, std::string_view message);

} // namespace morvelan
