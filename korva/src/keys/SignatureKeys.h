// What the printer does with a signature key text handed to it: unwrap the two primes with the
// public half of the wrapping key set of its generation, check them, derive the public key.
#pragma once

#include <string>
#include <string_view>

namespace korva::keys {

enum class KeyCheck {
    Ok,
    BadFormat, // not 520 hexadecimal characters
    BadCrc,    // the CRC digits around the data do not match it
    BadWrap,   // a wrapped block does not unwrap to a 64-byte prime
    BadPrime,  // a prime is not a 512-bit probable prime, or both primes are equal
};

struct UnwrappedKey {
    KeyCheck check = KeyCheck::BadFormat;
    std::string publicKeyText; // the text KORVA_Get_DS_Key returns, when check is Ok
};

// The public key text is 262 characters: the modulus p × q as 256 upper-case hexadecimal digits,
// most significant first, followed by the exponent 65537 as "010001".
inline constexpr std::string_view kPublicExponentText = "010001";

// keyText is exactly the 520 characters, without a terminating zero: the first four digits of
// the CRC-32 of the wrapped data ("%08X"), 512 upper-case hexadecimal digits of the two wrapped
// 128-byte blocks, the last four CRC digits. Each block unwraps, with the public half of the
// wrapping set chosen by thirdGeneration, to the byte 64, a 64-byte prime and zeros.
// Checks run in that order: format, CRC, both blocks' wrapping, then both primes.
// Throws std::bad_alloc only when OpenSSL runs out of memory, never because of the text.
UnwrappedKey unwrapSignatureKey(std::string_view keyText, bool thirdGeneration);

} // namespace korva::keys
