// The pair of primes: the exact numbers the steps give for fixed random bytes (computed outside
// this program), and the properties OpenSSL checks on pairs from the system's generator.
#include "core/features/keys/PrimePair.h"
#include "KeyTestSupport.h"
#include "core/features/keys/BigNumbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace morvelan::keys::test {
namespace {

bool zeroTail(const PrimeBuffer& buffer) {
    return std::all_of(buffer.begin() + kPrimeSize, buffer.end(),
                       [](std::uint8_t b) { return b == 0; });
}

TEST(KeyPrimePair, FixedBytesGiveTheIndependentlyComputedPair) {
    const PrimePair pair = generatePrimePair(countingSource());
    EXPECT_EQ(hex(std::span(pair.first).first(kPrimeSize)),
              "C87B610071C85B140D8615F5CEC4875E3B3A5E3A72B17FDB434BAED6C1AA2B39"
              "1198B13EDFA0F82009679891305B55F34F3BD9BDB0F954AF690748B9C6D5C519");
    EXPECT_EQ(hex(std::span(pair.second).first(kPrimeSize)),
              "F632F7270BAFF8A5CE6F2383022DE12C29BC9B244A227813825167991B9F8D30"
              "89F62B717134C476DE8D7081B75681D65F098D1097AD919C8D3C18E8854C07EB");
    EXPECT_TRUE(zeroTail(pair.first) && zeroTail(pair.second));
    EXPECT_EQ(hex(pairDigest(pair)), "758D9AE40C38D34660B1B026F6872F46F9540411");
}

TEST(KeyPrimePair, SystemPairPassesOpenSslAndTheBounds) {
    const PrimePair pair = generatePrimePair(systemRandomSource());
    BigNumberContext context = newBigNumberContext();
    BigNumber low = newBigNumber();
    ASSERT_EQ(BN_set_word(low.get(), 3), 1);
    ASSERT_EQ(BN_lshift(low.get(), low.get(), 510), 1);
    BigNumber first = bigNumberFromBytes(std::span(pair.first).first(kPrimeSize));
    BigNumber second = bigNumberFromBytes(std::span(pair.second).first(kPrimeSize));
    for (const BIGNUM* prime : {first.get(), second.get()}) {
        EXPECT_EQ(BN_check_prime(prime, context.get(), nullptr), 1);
        EXPECT_EQ(BN_num_bits(prime), 512); // at most 2^512 − 1
        EXPECT_GE(BN_cmp(prime, low.get()), 0);
        BigNumber below{BN_dup(prime)};
        BigNumber e = newBigNumber();
        BigNumber gcd = newBigNumber();
        ASSERT_EQ(BN_sub_word(below.get(), 1), 1);
        ASSERT_EQ(BN_set_word(e.get(), 65537), 1);
        ASSERT_EQ(BN_gcd(gcd.get(), below.get(), e.get(), context.get()), 1);
        EXPECT_TRUE(BN_is_one(gcd.get()));
    }
    EXPECT_LT(BN_cmp(first.get(), second.get()), 0);
    EXPECT_TRUE(zeroTail(pair.first) && zeroTail(pair.second));
}

// A source that always gives the same bytes finds the same prime again and again; the search
// gives up instead of keeping the worker busy for ever.
TEST(KeyPrimePair, RepeatingSourceIsRefusedRatherThanSearchedForEver) {
    const RandomSource constant = [](std::span<std::uint8_t> out) {
        std::fill(out.begin(), out.end(), 0x42);
    };
    EXPECT_THROW(generatePrimePair(constant), std::runtime_error);
}

} // namespace
} // namespace morvelan::keys::test
