#include "SignatureKeys.h"

#include "BigNum.h"
#include "KeyText.h"
#include "PrimeRules.h"
#include "WrappingPublicKeys.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>

namespace korva::keys {
namespace {

constexpr std::uint8_t kPrimeLength = 64;

void require(int ok) {
    if (ok != 1) {
        throw std::bad_alloc();
    }
}

// The block's plain text is the prime's length, the prime, then zeros. A block that is not
// below the modulus was not produced by the private operation of this set, so it is refused
// rather than reduced into some other number.
std::optional<BigNum> unwrapPrime(std::span<const std::uint8_t> wrapped,
                                  const WrappingPublicKey& key, BN_CTX* context) {
    BigNum cipher = bigNumFromBytes(wrapped);
    BigNum modulus = bigNumFromBytes(key.modulus);
    BigNum exponent = bigNumFromBytes(key.exponent);
    if (BN_cmp(cipher.get(), modulus.get()) >= 0) {
        return std::nullopt;
    }
    BigNum plain = newBigNum();
    require(BN_mod_exp(plain.get(), cipher.get(), exponent.get(), modulus.get(), context));

    std::array<std::uint8_t, kWrappedBlockSize> block{};
    require(BN_bn2binpad(plain.get(), block.data(), static_cast<int>(block.size())) ==
            static_cast<int>(block.size()));
    auto prime = std::span(block).subspan(1, kPrimeLength);
    auto padding = std::span(block).subspan(1 + kPrimeLength);
    if (block[0] != kPrimeLength ||
        !std::all_of(padding.begin(), padding.end(), [](std::uint8_t b) { return b == 0; })) {
        return std::nullopt;
    }
    return bigNumFromBytes(prime);
}

std::string publicKeyText(const BIGNUM* first, const BIGNUM* second, BN_CTX* context) {
    BigNum modulus = newBigNum();
    require(BN_mul(modulus.get(), first, second, context));
    std::array<std::uint8_t, 2 * kPrimeLength> bytes{};
    require(BN_bn2binpad(modulus.get(), bytes.data(), static_cast<int>(bytes.size())) ==
            static_cast<int>(bytes.size()));

    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(2 * bytes.size() + kPublicExponentText.size());
    for (std::uint8_t b : bytes) {
        text.push_back(kDigits[b >> 4]);
        text.push_back(kDigits[b & 0x0F]);
    }
    text.append(kPublicExponentText);
    return text;
}

} // namespace

UnwrappedKey unwrapSignatureKey(std::string_view keyText, bool thirdGeneration) {
    WrappedData data{};
    if (KeyCheck check = decodeKeyText(keyText, data); check != KeyCheck::Ok) {
        return {check, {}};
    }
    const WrappingPublicKey& key = wrappingPublicKey(thirdGeneration);
    BigNumContext context = newBigNumContext();
    auto first = unwrapPrime(std::span(data).first(kWrappedBlockSize), key, context.get());
    auto second = unwrapPrime(std::span(data).last(kWrappedBlockSize), key, context.get());
    if (!first || !second) {
        return {KeyCheck::BadWrap, {}};
    }
    if (BN_cmp(first->get(), second->get()) == 0 ||
        !isSignaturePrime(first->get(), context.get()) ||
        !isSignaturePrime(second->get(), context.get())) {
        return {KeyCheck::BadPrime, {}};
    }
    return {KeyCheck::Ok, publicKeyText(first->get(), second->get(), context.get())};
}

} // namespace korva::keys
