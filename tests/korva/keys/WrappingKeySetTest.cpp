#include "KeyWrapping.h"
#include "WrappingPublicKeys.h"

#include <gtest/gtest.h>

namespace keytest {
namespace {

using korva::keys::BigNum;

bool isOneModulo(const BIGNUM* a, const BIGNUM* b, const BIGNUM* modulus) {
    auto context = korva::keys::newBigNumContext();
    BigNum product = korva::keys::newBigNum();
    EXPECT_EQ(BN_mod_mul(product.get(), a, b, modulus, context.get()), 1);
    return BN_is_one(product.get()) == 1;
}

BigNum minusOne(const BIGNUM* n) {
    BigNum result{BN_dup(n)};
    EXPECT_EQ(BN_sub_word(result.get(), 1), 1);
    return result;
}

class SignatureKeyWrappingSet : public ::testing::TestWithParam<bool> {};

// The program's private halves and the printer's public halves must be one key pair each.
TEST_P(SignatureKeyWrappingSet, PrivateHalfMatchesThePrintersPublicHalf) {
    morvelan::WrappingKeySet set = morvelan::wrappingKeySet(GetParam());
    const auto& publicHalf = korva::keys::wrappingPublicKey(GetParam());
    BigNum p = toBigNum(set.p);
    BigNum q = toBigNum(set.q);
    BigNum e = toBigNum(publicHalf.exponent);
    auto context = korva::keys::newBigNumContext();

    EXPECT_TRUE(BN_is_word(e.get(), 65537));
    EXPECT_EQ(BN_check_prime(p.get(), context.get(), nullptr), 1);
    EXPECT_EQ(BN_check_prime(q.get(), context.get(), nullptr), 1);
    BigNum n = korva::keys::newBigNum();
    ASSERT_EQ(BN_mul(n.get(), p.get(), q.get(), context.get()), 1);
    EXPECT_EQ(BN_cmp(n.get(), toBigNum(publicHalf.modulus).get()), 0);
    EXPECT_EQ(BN_num_bits(n.get()), 1024);

    EXPECT_TRUE(isOneModulo(e.get(), toBigNum(set.dP).get(), minusOne(p.get()).get()));
    EXPECT_TRUE(isOneModulo(e.get(), toBigNum(set.dQ).get(), minusOne(q.get()).get()));
    EXPECT_TRUE(isOneModulo(q.get(), toBigNum(set.qInv).get(), p.get()));
}

TEST(SignatureKeyWrappingSets, DifferBetweenGenerations) {
    EXPECT_NE(korva::keys::wrappingPublicKey(true).modulus,
              korva::keys::wrappingPublicKey(false).modulus);
    EXPECT_NE(morvelan::wrappingKeySet(true).p, morvelan::wrappingKeySet(false).p);
}

INSTANTIATE_TEST_SUITE_P(BothSets, SignatureKeyWrappingSet, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Mkiii" : "Other"; });

} // namespace
} // namespace keytest
