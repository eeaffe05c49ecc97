#include "core/features/keys/PrimePair.h"

#include "core/features/keys/PrimeSearch.h"

#include <openssl/crypto.h>

#include <stdexcept>

namespace morvelan::keys {
namespace {

constexpr int kPrimeBits = 512;
constexpr BN_ULONG kStep = 2;
// A working generator repeats a 512-bit prime about never; one that does it this often is broken
// and would otherwise keep the worker searching for ever.
constexpr int kMaxRepeats = 64;

struct Bounds {
    BigNumber low = newBigNumber();  // 3 × 2^510
    BigNumber high = newBigNumber(); // 2^512 − 1
};

Bounds signatureBounds() {
    Bounds b;
    require(BN_set_word(b.low.get(), 3));
    require(BN_lshift(b.low.get(), b.low.get(), kPrimeBits - 2));
    require(BN_set_bit(b.high.get(), kPrimeBits));
    require(BN_sub_word(b.high.get(), 1));
    return b;
}

// 65537 is prime, so gcd(x − 1, 65537) = 1 exactly when x − 1 is no multiple of it.
bool primeToExponent(const BIGNUM* x) {
    const BN_ULONG rest = BN_mod_word(x, kKeyExponent);
    if (rest == static_cast<BN_ULONG>(-1)) {
        throw std::bad_alloc();
    }
    return rest != 1;
}

BigNumber searchUsablePrime(const Bounds& bounds, const RandomSource& random, BN_CTX* context) {
    for (;;) {
        BigNumber x = searchPrime(bounds.low.get(), bounds.high.get(), kStep, random, context);
        if (primeToExponent(x.get())) {
            return x;
        }
    }
}

} // namespace

PrimePair generatePrimePair(const RandomSource& random) {
    BigNumberContext context = newBigNumberContext();
    const Bounds bounds = signatureBounds();
    BigNumber first = searchUsablePrime(bounds, random, context.get());
    BigNumber second;
    for (int repeats = 0;; ++repeats) {
        if (repeats == kMaxRepeats) {
            throw std::runtime_error("the random source repeats itself");
        }
        second = searchUsablePrime(bounds, random, context.get());
        if (BN_cmp(first.get(), second.get()) != 0) {
            break;
        }
    }
    if (BN_cmp(first.get(), second.get()) > 0) {
        std::swap(first, second);
    }
    PrimePair pair;
    bigNumberToBytes(first.get(), std::span(pair.first).first(kPrimeSize));
    bigNumberToBytes(second.get(), std::span(pair.second).first(kPrimeSize));
    return pair;
}

Sha1Digest pairDigest(const PrimePair& pair) {
    std::array<std::uint8_t, 2 * kPrimeBufferSize> both{};
    std::copy(pair.first.begin(), pair.first.end(), both.begin());
    std::copy(pair.second.begin(), pair.second.end(), both.begin() + kPrimeBufferSize);
    const Sha1Digest digest = sha1(both);
    OPENSSL_cleanse(both.data(), both.size());
    return digest;
}

void clearPair(PrimePair& pair) {
    OPENSSL_cleanse(pair.first.data(), pair.first.size());
    OPENSSL_cleanse(pair.second.data(), pair.second.size());
}

} // namespace morvelan::keys
