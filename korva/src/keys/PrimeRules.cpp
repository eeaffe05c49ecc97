#include "PrimeRules.h"

#include "BigNum.h"

#include <array>

namespace korva::keys {
namespace {

void require(int ok) {
    if (ok != 1) {
        throw std::bad_alloc();
    }
}

bool hasSmallFactor(const BIGNUM* x) {
    for (BN_ULONG factor : std::array<BN_ULONG, 5>{2, 3, 5, 7, 11}) {
        BN_ULONG rest = BN_mod_word(x, factor);
        if (rest == static_cast<BN_ULONG>(-1)) {
            throw std::bad_alloc();
        }
        if (rest == 0) {
            return true;
        }
    }
    return false;
}

bool passesBaseTwo(const BIGNUM* x, BN_CTX* context) {
    BigNum two = newBigNum();
    BigNum power = newBigNum();
    require(BN_set_word(two.get(), 2));
    require(BN_mod_exp(power.get(), two.get(), x, x, context));
    return BN_is_word(power.get(), 2) == 1;
}

bool primeToExponent(const BIGNUM* x, BN_CTX* context) {
    BigNum below = BigNum{BN_dup(x)};
    BigNum exponent = newBigNum();
    BigNum divisor = newBigNum();
    if (!below) {
        throw std::bad_alloc();
    }
    require(BN_sub_word(below.get(), 1));
    require(BN_set_word(exponent.get(), kSignatureExponent));
    require(BN_gcd(divisor.get(), below.get(), exponent.get(), context));
    return BN_is_one(divisor.get()) == 1;
}

} // namespace

bool isSignaturePrime(const BIGNUM* candidate, BN_CTX* context) {
    if (BN_num_bits(candidate) != kSignaturePrimeBits || !BN_is_odd(candidate) ||
        hasSmallFactor(candidate) || !passesBaseTwo(candidate, context)) {
        return false;
    }
    int prime = BN_check_prime(candidate, context, nullptr);
    if (prime < 0) {
        throw std::bad_alloc();
    }
    return prime == 1 && primeToExponent(candidate, context);
}

} // namespace korva::keys
