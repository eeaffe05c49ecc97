// Whether a number unwrapped from a key text may serve as one prime of a signature key.
#pragma once

#include <openssl/bn.h>

namespace korva::keys {

inline constexpr int kSignaturePrimeBits = 512;
inline constexpr unsigned long kSignatureExponent = 65537;

// Exactly 512 bits, odd, free of the small factors 3, 5, 7 and 11, 2^x mod x = 2, prime by
// OpenSSL's own test as well, and x - 1 prime to the signature exponent 65537 so that the
// private exponent exists. The base-2 test alone lets rare composites through; the printer
// cannot afford to sign with one of them. Throws std::bad_alloc when OpenSSL runs out of memory.
bool isSignaturePrime(const BIGNUM* candidate, BN_CTX* context);

} // namespace korva::keys
