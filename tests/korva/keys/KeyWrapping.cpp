#include "KeyWrapping.h"

#include <zlib.h>

#include <cstdio>
#include <stdexcept>

using korva::keys::BigNum;

namespace keytest {
namespace {

void require(int ok) {
    if (ok != 1) {
        throw std::runtime_error("OpenSSL big-number operation failed");
    }
}

template <std::size_t N> std::array<std::uint8_t, N> bytesOf(const BIGNUM* n) {
    std::array<std::uint8_t, N> out{};
    require(BN_bn2binpad(n, out.data(), static_cast<int>(N)) == static_cast<int>(N));
    return out;
}

} // namespace

Prime primeBytes(const BIGNUM* n) {
    return bytesOf<64>(n);
}

BigNum toBigNum(std::span<const std::uint8_t> bytes) {
    return korva::keys::bigNumFromBytes(bytes);
}

BigNum generatePrime(int bits, unsigned long add, unsigned long rem) {
    auto context = korva::keys::newBigNumContext();
    BigNum prime = korva::keys::newBigNum();
    BigNum addNum;
    BigNum remNum;
    if (add != 0) {
        addNum = korva::keys::newBigNum();
        remNum = korva::keys::newBigNum();
        require(BN_set_word(addNum.get(), add));
        require(BN_set_word(remNum.get(), rem));
    }
    require(BN_generate_prime_ex2(prime.get(), bits, 0, addNum.get(), remNum.get(), nullptr,
                                  context.get()));
    return prime;
}

BigNum signaturePrime() {
    for (;;) {
        BigNum prime = generatePrime(512);
        if (BN_mod_word(prime.get(), 65537) != 1) {
            return prime;
        }
    }
}

Block primeBlock(const Prime& prime) {
    Block block{};
    block[0] = static_cast<std::uint8_t>(prime.size());
    std::copy(prime.begin(), prime.end(), block.begin() + 1);
    return block;
}

// m1 = c^dP mod p, m2 = c^dQ mod q, h = qInv (m1 - m2) mod p, result = m2 + h q.
Block wrapBlock(const Block& block, const morvelan::WrappingKeySet& set) {
    auto context = korva::keys::newBigNumContext();
    BigNum c = toBigNum(block);
    BigNum p = toBigNum(set.p);
    BigNum q = toBigNum(set.q);
    BigNum m1 = korva::keys::newBigNum();
    BigNum m2 = korva::keys::newBigNum();
    BigNum h = korva::keys::newBigNum();
    require(BN_mod_exp(m1.get(), c.get(), toBigNum(set.dP).get(), p.get(), context.get()));
    require(BN_mod_exp(m2.get(), c.get(), toBigNum(set.dQ).get(), q.get(), context.get()));
    require(BN_mod_sub(h.get(), m1.get(), m2.get(), p.get(), context.get()));
    require(BN_mod_mul(h.get(), h.get(), toBigNum(set.qInv).get(), p.get(), context.get()));
    require(BN_mul(h.get(), h.get(), q.get(), context.get()));
    require(BN_add(h.get(), h.get(), m2.get()));
    return bytesOf<128>(h.get());
}

std::string crcDigits(const Data& data) {
    uLong crc = crc32(crc32(0L, Z_NULL, 0), data.data(), static_cast<uInt>(data.size()));
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08X", static_cast<unsigned>(crc));
    return digits;
}

std::string keyText(const Data& data) {
    std::string crc = crcDigits(data);
    std::string text = crc.substr(0, 4);
    for (std::uint8_t b : data) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%2.2X", static_cast<unsigned>(b));
        text += hex;
    }
    return text + crc.substr(4);
}

std::string wrapKey(const Prime& first, const Prime& second, bool thirdGeneration) {
    morvelan::WrappingKeySet set = morvelan::wrappingKeySet(thirdGeneration);
    Block a = wrapBlock(primeBlock(first), set);
    Block b = wrapBlock(primeBlock(second), set);
    Data data{};
    std::copy(a.begin(), a.end(), data.begin());
    std::copy(b.begin(), b.end(), data.begin() + a.size());
    return keyText(data);
}

} // namespace keytest
