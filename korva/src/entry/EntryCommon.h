// What every entry point shares: putting arguments on a command line the way a printer checks
// them, copying answers into the caller's buffers with bounds, and the call guard.
#pragma once

#include "InterfaceKorva.h"
#include "VirtualPrinter.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>

namespace korva::entry {

// Field error codes of the status text, for arguments that never reach the printer.
inline constexpr int kFieldMissing = 0x01;
inline constexpr int kFieldMalformed = 0x07;

// One raw command being built from an entry point's arguments. Arguments are declared in the
// order of the C declaration, so their position is the field number the status reports; the
// first argument that cannot be used is the one rejected.
class Command {
public:
    explicit Command(std::string_view code, std::string_view extension = "0000");

    // A text argument that becomes the next field. At most `maxChars` characters of it are read,
    // so a caller's unterminated fixed-size text is never read past its end.
    Command& text(const char* value, std::size_t maxChars = kMaxRead);
    // An integer argument that becomes the next field, in decimal.
    Command& number(long value);
    // An output buffer: it must exist, it is not a field.
    Command& output(const void* buffer);
    // An argument the printer does not use (reserved); it only takes its position.
    Command& skip();

    // Sends the line, or records the rejected argument instead of sending anything.
    Exchange send() const;

    const std::string& line() const { return line_; }
    bool rejected() const { return errorCode_ != 0; }

    // The longest text worth reading: a longer one cannot fit on a command line anyway.
    static constexpr std::size_t kMaxRead = 1025;

private:
    void reject(int code);

    std::string line_;
    int position_ = 0;
    int errorCode_ = 0;
    int errorField_ = 0;
};

// Sends `command` and, when the printer accepts it, hands its answer to `fill`, which copies it
// into the caller's buffers; a refused command leaves them as the caller left them.
template <typename Fill> int sendAndFill(const Command& command, Fill&& fill) {
    const Exchange exchange = command.send();
    if (exchange.result == KORVA_OK && !command.rejected()) {
        fill(exchange);
    }
    return exchange.result;
}

// Sends `command`; its answer, if any, is not wanted.
inline int sendOnly(const Command& command) {
    return command.send().result;
}

// A caller's output buffer of the documented size.
struct Out {
    char* data;
    std::size_t size;
};

// Copies at most size - 1 characters and a terminating zero.
void putText(Out out, std::string_view text);
// Copies at most size characters, no terminating zero: for texts that fill their buffer.
void putFixed(Out out, std::string_view text);
// `text` cut or padded with `pad` on the right to exactly `width` characters.
std::string fit(std::string_view text, std::size_t width, char pad = ' ');
// `digits` cut to its last `width` characters or padded with zeros on the left.
std::string fitNumber(std::string_view digits, std::size_t width);

// Answer field `index`, empty when the printer sent fewer fields.
std::string_view field(const Exchange& exchange, std::size_t index);

// Reads a bounded, possibly unterminated text argument.
std::string_view boundedText(const char* value, std::size_t maxChars = Command::kMaxRead);

// Runs an entry point's body with the library lock held. Nothing may cross the C boundary as an
// exception: a failure inside the virtual printer is reported as a printer that does not answer.
int runGuarded(int (*trampoline)(void*), void* body) noexcept;

template <typename Body> int guarded(Body&& body) noexcept {
    using Plain = std::remove_reference_t<Body>;
    return runGuarded([](void* b) { return (*static_cast<Plain*>(b))(); }, &body);
}

// The printer every entry point drives.
VirtualPrinter& printer();

// Rejects an argument outside a command (port and log entry points).
int rejectArgument(int fieldErrorCode, int fieldNumber);

} // namespace korva::entry
