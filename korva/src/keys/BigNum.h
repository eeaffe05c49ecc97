// Owning handles for OpenSSL's big numbers, so that every early return frees them.
#pragma once

#include <openssl/bn.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <span>

namespace korva::keys {

struct BigNumFree {
    void operator()(BIGNUM* n) const { BN_free(n); }
    void operator()(BN_CTX* c) const { BN_CTX_free(c); }
};

using BigNum = std::unique_ptr<BIGNUM, BigNumFree>;
using BigNumContext = std::unique_ptr<BN_CTX, BigNumFree>;

inline BigNum newBigNum() {
    BigNum n{BN_new()};
    if (!n) {
        throw std::bad_alloc();
    }
    return n;
}

inline BigNumContext newBigNumContext() {
    BigNumContext c{BN_CTX_new()};
    if (!c) {
        throw std::bad_alloc();
    }
    return c;
}

// Reads bytes as an unsigned number, most significant byte first.
inline BigNum bigNumFromBytes(std::span<const std::uint8_t> bytes) {
    BigNum n{BN_bin2bn(bytes.data(), static_cast<int>(bytes.size()), nullptr)};
    if (!n) {
        throw std::bad_alloc();
    }
    return n;
}

} // namespace korva::keys
