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

UnwrappedKey unwrapSignatureKey(std::string_view keyText, bool thirdGeneration);

} // namespace korva::keys
