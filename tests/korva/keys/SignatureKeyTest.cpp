#include "KeyWrapping.h"
#include "SignatureKeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

using korva::keys::KeyCheck;
using korva::keys::unwrapSignatureKey;

namespace keytest {
namespace {

std::string hexOfProduct(const BIGNUM* a, const BIGNUM* b) {
    auto context = korva::keys::newBigNumContext();
    auto product = korva::keys::newBigNum();
    EXPECT_EQ(BN_mul(product.get(), a, b, context.get()), 1);
    char* hex = BN_bn2hex(product.get());
    std::string text(hex);
    OPENSSL_free(hex);
    return std::string(256 - std::min<std::size_t>(256, text.size()), '0') + text;
}

Data dataOf(const Block& first, const Block& second) {
    Data data{};
    std::copy(first.begin(), first.end(), data.begin());
    std::copy(second.begin(), second.end(), data.begin() + first.size());
    return data;
}

class SignatureKeyGeneration : public ::testing::TestWithParam<bool> {
protected:
    SignatureKeyGeneration()
        : first_(signaturePrime()), second_(signaturePrime()),
          set_(morvelan::wrappingKeySet(GetParam())) {}

    std::string wrapPair(const BIGNUM* a, const BIGNUM* b) const {
        return wrapKey(primeBytes(a), primeBytes(b), GetParam());
    }
    KeyCheck checkOf(const std::string& text) const {
        return unwrapSignatureKey(text, GetParam()).check;
    }
    KeyCheck checkOfBlocks(const Block& first, const Block& second) const {
        return checkOf(keyText(dataOf(wrapBlock(first, set_), wrapBlock(second, set_))));
    }

    korva::keys::BigNum first_;
    korva::keys::BigNum second_;
    morvelan::WrappingKeySet set_;
};

TEST_P(SignatureKeyGeneration, UnwrapsToThePublicModulusOfBothPrimes) {
    auto key = unwrapSignatureKey(wrapPair(first_.get(), second_.get()), GetParam());
    ASSERT_EQ(key.check, KeyCheck::Ok);
    EXPECT_EQ(key.publicKeyText, hexOfProduct(first_.get(), second_.get()) + "010001");
    EXPECT_LE(key.publicKeyText.size(), 1280u);
    // The order of the primes does not change the public key.
    EXPECT_EQ(unwrapSignatureKey(wrapPair(second_.get(), first_.get()), GetParam()).publicKeyText,
              key.publicKeyText);
}

TEST_P(SignatureKeyGeneration, RefusesTheOtherGenerationsText) {
    std::string text = wrapPair(first_.get(), second_.get());
    EXPECT_EQ(unwrapSignatureKey(text, !GetParam()).check, KeyCheck::BadWrap);
}

TEST_P(SignatureKeyGeneration, RefusesBlocksThatAreNotALengthPrimeAndZeros) {
    Block good = primeBlock(primeBytes(second_.get()));
    Block wrongLength = primeBlock(primeBytes(first_.get()));
    wrongLength[0] = 63;
    Block dirtyTail = primeBlock(primeBytes(first_.get()));
    dirtyTail[127] = 1;
    EXPECT_EQ(checkOfBlocks(good, wrongLength), KeyCheck::BadWrap);
    EXPECT_EQ(checkOfBlocks(dirtyTail, good), KeyCheck::BadWrap);

    // Not below the modulus: no private operation of this set gives such a block.
    Block tooLarge{};
    tooLarge.fill(0xFF);
    EXPECT_EQ(checkOf(keyText(dataOf(tooLarge, wrapBlock(good, set_)))), KeyCheck::BadWrap);
}

TEST_P(SignatureKeyGeneration, RefusesPrimesThatCannotMakeAKey) {
    auto composite = korva::keys::newBigNum();
    auto context = korva::keys::newBigNumContext();
    ASSERT_EQ(
        BN_mul(composite.get(), generatePrime(256).get(), generatePrime(256).get(), context.get()),
        1);
    ASSERT_EQ(BN_num_bits(composite.get()), 512);
    auto even = korva::keys::BigNum{BN_dup(first_.get())};
    ASSERT_EQ(BN_add_word(even.get(), 1), 1);
    ASSERT_EQ(BN_num_bits(even.get()), 512);
    auto shortPrime = generatePrime(511);
    auto oneModExponent = generatePrime(512, 2 * 65537ul, 1);
    ASSERT_EQ(BN_num_bits(oneModExponent.get()), 512);

    EXPECT_EQ(checkOf(wrapPair(first_.get(), first_.get())), KeyCheck::BadPrime);
    for (const BIGNUM* bad :
         {composite.get(), even.get(), shortPrime.get(), oneModExponent.get()}) {
        EXPECT_EQ(checkOf(wrapPair(bad, second_.get())), KeyCheck::BadPrime);
        EXPECT_EQ(checkOf(wrapPair(first_.get(), bad)), KeyCheck::BadPrime);
    }
}

TEST_P(SignatureKeyGeneration, FindsTheCrcSplitAroundTheData) {
    Data data = dataOf(wrapBlock(primeBlock(primeBytes(first_.get())), set_),
                       wrapBlock(primeBlock(primeBytes(second_.get())), set_));
    std::string crc = crcDigits(data);
    std::string text = keyText(data);
    ASSERT_EQ(text.size(), 520u);
    EXPECT_EQ(text.substr(0, 4), crc.substr(0, 4));
    EXPECT_EQ(text.substr(516), crc.substr(4));
    EXPECT_EQ(checkOf(text), KeyCheck::Ok);

    std::string hex = text.substr(4, 512);
    EXPECT_EQ(checkOf(crc + hex), KeyCheck::BadCrc);
    EXPECT_EQ(checkOf(hex + crc), KeyCheck::BadCrc);
    EXPECT_EQ(checkOf(crc.substr(4) + hex + crc.substr(0, 4)), KeyCheck::BadCrc);
}

TEST_P(SignatureKeyGeneration, RefusesTamperedText) {
    std::string text = wrapPair(first_.get(), second_.get());
    for (std::size_t at : {0ul, 3ul, 4ul, 200ul, 515ul, 516ul, 519ul}) {
        std::string tampered = text;
        tampered[at] = tampered[at] == '7' ? '8' : '7';
        EXPECT_EQ(checkOf(tampered), KeyCheck::BadCrc) << "digit " << at;
    }
}

TEST_P(SignatureKeyGeneration, RefusesTextOfAnotherShape) {
    std::string text = wrapPair(first_.get(), second_.get());
    EXPECT_EQ(checkOf(""), KeyCheck::BadFormat);
    EXPECT_EQ(checkOf(text.substr(0, 519)), KeyCheck::BadFormat);
    EXPECT_EQ(checkOf(text + "0"), KeyCheck::BadFormat);
    EXPECT_EQ(checkOf(text + std::string(1, '\0')), KeyCheck::BadFormat);
    for (std::size_t at : {0ul, 100ul, 519ul}) {
        std::string bad = text;
        bad[at] = 'G';
        EXPECT_EQ(checkOf(bad), KeyCheck::BadFormat) << "character " << at;
    }
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return static_cast<char>(std::tolower(c)); });
    ASSERT_NE(lower, text);
    EXPECT_EQ(checkOf(lower), KeyCheck::BadFormat);
}

INSTANTIATE_TEST_SUITE_P(BothSets, SignatureKeyGeneration, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Mkiii" : "Other"; });

} // namespace
} // namespace keytest
