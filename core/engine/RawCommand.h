// A raw command line on its way to the printer: the command line's send, every command line of
// a script as the worker runs it and the generator's "Enviar para impressora" all pass here, so
// that a line the printer would not receive as written is refused by each of them alike.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace morvelan {

// The longest raw command the library is handed: its buffer holds 1025 bytes with the zero.
inline constexpr std::size_t kMaxRawCommand = 1024;

struct RawCommandLine {
    std::string bytes;   // Windows-1252, ready for KORVA_Send_From_FileEX
    std::string refusal; // why nothing may be sent (UTF-8); empty when the line can be sent
};

// `utf8` as the technician wrote it. A character Windows-1252 cannot carry would reach the
// printer as "?", and a line longer than the buffer would be cut: either is refused, naming the
// line and the character, rather than sent in part.
RawCommandLine rawCommandLine(std::string_view utf8);

} // namespace morvelan
