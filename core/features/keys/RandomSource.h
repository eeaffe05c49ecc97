// Where key generation draws its random bytes from. The source is injected, so that tests make
// keys from fixed bytes; the program's own is the operating system's cryptographic generator,
// so that no one can rebuild a printer's primes from the time its keys were made.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

namespace morvelan::keys {

// Fills the span with random bytes; throws when it cannot.
using RandomSource = std::function<void(std::span<std::uint8_t> out)>;

// The kernel's generator through getrandom(2), read directly rather than through the
// cryptographic library: the program makes this source at start-up, and that library is loaded
// only when a key is made. Throws std::runtime_error when the generator fails.
RandomSource systemRandomSource();

} // namespace morvelan::keys
