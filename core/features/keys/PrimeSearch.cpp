#include "core/features/keys/PrimeSearch.h"

#include <openssl/crypto.h>

#include <array>

namespace morvelan::keys {
namespace {

constexpr std::size_t kStartBytes = 64;

BN_ULONG remainder(const BIGNUM* x, BN_ULONG divisor) {
    const BN_ULONG rest = BN_mod_word(x, divisor);
    if (rest == static_cast<BN_ULONG>(-1)) {
        throw std::bad_alloc();
    }
    return rest;
}

// The first 64 bytes of a fresh start, brought into [low, high] onto 1 modulo step.
BigNumber startingPoint(const BIGNUM* low, const BIGNUM* high, const BIGNUM* range, BN_ULONG step,
                        const RandomSource& random, BN_CTX* context) {
    RandomBlock block = searchStart(random);
    BigNumber x = bigNumberFromBytes(std::span(block).first(kStartBytes));
    OPENSSL_cleanse(block.data(), block.size());
    require(BN_nnmod(x.get(), x.get(), range, context));
    require(BN_add(x.get(), x.get(), low));
    require(BN_sub_word(x.get(), remainder(x.get(), step)));
    require(BN_add_word(x.get(), 1));
    if (BN_cmp(x.get(), low) < 0) {
        require(BN_add_word(x.get(), step));
    }
    if (BN_cmp(x.get(), high) > 0) {
        require(BN_sub_word(x.get(), step));
    }
    return x;
}

} // namespace

bool isProbablePrime(const BIGNUM* x, BN_CTX* context) {
    if (BN_is_zero(x) || !BN_is_odd(x)) {
        return false;
    }
    for (BN_ULONG factor : std::array<BN_ULONG, 4>{3, 5, 7, 11}) {
        if (remainder(x, factor) == 0) {
            return false;
        }
    }
    BigNumber two = newBigNumber();
    BigNumber power = newBigNumber();
    require(BN_set_word(two.get(), 2));
    require(BN_mod_exp(power.get(), two.get(), x, x, context));
    return BN_is_word(power.get(), 2) == 1;
}

BigNumber searchPrime(const BIGNUM* low, const BIGNUM* high, BN_ULONG step,
                      const RandomSource& random, BN_CTX* context) {
    BigNumber range = newBigNumber();
    require(BN_sub(range.get(), high, low) == 1 && BN_add_word(range.get(), 1) == 1);
    // Past high - step the next step would leave the range.
    BigNumber lastStart{BN_dup(high)};
    if (!lastStart) {
        throw std::bad_alloc();
    }
    require(BN_sub_word(lastStart.get(), step));
    for (;;) {
        BigNumber x = startingPoint(low, high, range.get(), step, random, context);
        for (;;) {
            if (isProbablePrime(x.get(), context)) {
                return x;
            }
            if (BN_cmp(x.get(), lastStart.get()) > 0) {
                break;
            }
            require(BN_add_word(x.get(), step));
        }
    }
}

} // namespace morvelan::keys
