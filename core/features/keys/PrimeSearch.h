// The search for one prime of a signature key between two bounds, and the quick test it uses.
#pragma once

#include "core/features/keys/BigNumbers.h"
#include "core/features/keys/RandomBytes.h"

namespace morvelan::keys {

// Odd and non-zero, free of the factors 2, 3, 5, 7 and 11, and 2^x mod x = 2.
bool isProbablePrime(const BIGNUM* x, BN_CTX* context);

// From a random start in [low, high], the first probable prime reached in steps of `step`
// (started again from new random bytes when the walk would pass `high`). The start lies on
// 1 modulo `step`.
BigNumber searchPrime(const BIGNUM* low, const BIGNUM* high, BN_ULONG step,
                      const RandomSource& random, BN_CTX* context);

} // namespace morvelan::keys
