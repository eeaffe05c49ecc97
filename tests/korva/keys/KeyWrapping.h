// The program's side of a signature key, written for the tests from the key format alone: build
// the 128-byte block around a prime, apply a wrapping set's private operation in
// Chinese-remainder form, and lay the CRC digits around the hexadecimal data.
#pragma once

#include "BigNum.h"
#include "core/features/keys/WrappingKeySets.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace keytest {

using Prime = std::array<std::uint8_t, 64>;
using Block = std::array<std::uint8_t, 128>;
using Data = std::array<std::uint8_t, 256>;

Prime primeBytes(const BIGNUM* n);
korva::keys::BigNum toBigNum(std::span<const std::uint8_t> bytes);

// A random prime of the given size; with rem and add, one that is rem modulo add.
korva::keys::BigNum generatePrime(int bits, unsigned long add = 0, unsigned long rem = 0);
// A 512-bit prime usable for a signature key (p - 1 prime to 65537).
korva::keys::BigNum signaturePrime();

Block primeBlock(const Prime& prime);
Block wrapBlock(const Block& block, const morvelan::WrappingKeySet& set);
std::string crcDigits(const Data& data);
std::string keyText(const Data& data);
std::string wrapKey(const Prime& first, const Prime& second, bool thirdGeneration);

} // namespace keytest
