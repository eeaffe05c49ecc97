// The building blocks against published values and numbers computed outside this program.
#include "KeyTestSupport.h"
#include "WrappingPublicKeys.h"
#include "core/features/keys/Digests.h"
#include "core/features/keys/KeyText.h"
#include "core/features/keys/PrimeSearch.h"
#include "core/features/keys/PrimeWrapping.h"
#include "core/features/keys/WrappingKeySets.h"
#include "core/features/keys/WrappingKeyTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace morvelan::keys::test {
namespace {

TEST(KeyDigests, MatchPublishedVectors) {
    EXPECT_EQ(hex(sha1(bytesOf("abc"))), "A9993E364706816ABA3E25717850C26C9CD0D89D");
    EXPECT_EQ(hex(sha1(bytesOf(""))), "DA39A3EE5E6B4B0D3255BFEF95601890AFD80709");
    EXPECT_EQ(hex(md5(bytesOf("abc"))), "900150983CD24FB0D6963F7D28E17F72");
    EXPECT_EQ(hex(md5(bytesOf("message digest"))), "F96B697D7CB7938D525A2F31AAF161D0");
}

TEST(KeyCrc, CheckValueOf123456789) {
    EXPECT_EQ(crc32Of(bytesOf("123456789")), 0xCBF43926U);
}

TEST(KeyRandomStart, HashesTheFirstFifteenBlocksAndKeepsTheLast) {
    RandomBlock block{};
    block[255] = 0x5A;
    hashRandomBlocks(block);
    for (std::size_t i = 0; i < kHashedBlocks; ++i) {
        EXPECT_EQ(hex(std::span(block).subspan(i * 16, 16)), "4AE71336E44BF9BF79D2752E234818A5")
            << "block " << i;
    }
    EXPECT_EQ(hex(std::span(block).last(16)), "000000000000000000000000000000"
                                              "5A");
}

TEST(KeyProbablePrime, IsTheBaseTwoTestAfterTheSmallFactors) {
    struct Case {
        unsigned long x;
        bool probable;
    };
    // 2047 = 23 × 89 passes base 2; 341 = 11 × 31 would too but has the factor 11.
    for (const Case c :
         {Case{13, true}, Case{65537, true}, Case{2047, true}, Case{341, false}, Case{15, false},
          Case{3, false}, Case{2, false}, Case{0, false}, Case{1, false}, Case{4097, false}}) {
        BigNumber x = newBigNumber();
        BigNumberContext context = newBigNumberContext();
        ASSERT_EQ(BN_set_word(x.get(), c.x), 1);
        EXPECT_EQ(isProbablePrime(x.get(), context.get()), c.probable) << c.x;
    }
}

TEST(KeyText, SplitsTheCrcAroundTheHexadecimalData) {
    WrappedPair data{};
    std::iota(data.begin(), data.end(), 0);
    const std::string text = keyText(data);
    ASSERT_EQ(text.size(), kKeyTextLength);
    // zlib.crc32(bytes(range(256))) = 0x29058C73
    EXPECT_EQ(text.substr(0, 4), "2905");
    EXPECT_EQ(text.substr(516), "8C73");
    EXPECT_EQ(text.substr(4, 512), hex(data));
    EXPECT_EQ(text.c_str()[kKeyTextLength], '\0');
}

class KeyWrapping : public ::testing::TestWithParam<bool> {};

// The printer's public half undoes the wrapping: block^e mod n = [64, prime, zeros].
TEST_P(KeyWrapping, PublicHalfGivesBackLengthAndPrime) {
    std::array<std::uint8_t, 64> prime{};
    for (std::size_t i = 0; i < prime.size(); ++i) {
        prime[i] = static_cast<std::uint8_t>(0xC0 + i);
    }
    const WrappedBlock wrapped = wrapPrime(prime, wrappingKeySet(GetParam()));
    const auto& publicHalf = korva::keys::wrappingPublicKey(GetParam());

    BigNumberContext context = newBigNumberContext();
    BigNumber c = bigNumberFromBytes(wrapped);
    BigNumber n = bigNumberFromBytes(publicHalf.modulus);
    BigNumber e = bigNumberFromBytes(publicHalf.exponent);
    BigNumber plain = newBigNumber();
    ASSERT_LT(BN_cmp(c.get(), n.get()), 0);
    ASSERT_EQ(BN_mod_exp(plain.get(), c.get(), e.get(), n.get(), context.get()), 1);
    WrappedBlock block{};
    bigNumberToBytes(plain.get(), block);
    EXPECT_EQ(block[0], 64);
    EXPECT_TRUE(std::equal(prime.begin(), prime.end(), block.begin() + 1));
    EXPECT_TRUE(
        std::all_of(block.begin() + 65, block.end(), [](std::uint8_t b) { return b == 0; }));
}

// No stretch of eight bytes of a private component appears as such in the stored table.
TEST_P(KeyWrapping, StoredTableHoldsNoPlainRunOfAComponent) {
    const WrappingKeySet keys = wrappingKeySet(GetParam());
    const auto* table = &wrapping::kPieces[0][0];
    const std::size_t tableSize = sizeof wrapping::kPieces;
    for (const WrappingComponent* component : {&keys.p, &keys.q, &keys.dP, &keys.dQ, &keys.qInv}) {
        for (std::size_t at = 0; at + 8 <= component->size(); at += 4) {
            const auto run = std::span(*component).subspan(at, 8);
            EXPECT_EQ(std::search(table, table + tableSize, run.begin(), run.end()),
                      table + tableSize);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothSets, KeyWrapping, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Mkiii" : "Other"; });

} // namespace
} // namespace morvelan::keys::test
