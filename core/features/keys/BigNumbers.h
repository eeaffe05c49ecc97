// Owning handles for OpenSSL's big numbers. The numbers of a key are secret, so they are cleared
// before their memory goes back.
#pragma once

#include <openssl/bn.h>

#include <cstdint>
#include <memory>
#include <new>
#include <span>

namespace morvelan::keys {

struct BigNumberFree {
    void operator()(BIGNUM* n) const { BN_clear_free(n); }
    void operator()(BN_CTX* c) const { BN_CTX_free(c); }
};

using BigNumber = std::unique_ptr<BIGNUM, BigNumberFree>;
using BigNumberContext = std::unique_ptr<BN_CTX, BigNumberFree>;

// OpenSSL reports a failed operation on valid numbers only when it runs out of memory.
inline void require(int ok) {
    if (ok != 1) {
        throw std::bad_alloc();
    }
}

inline BigNumber newBigNumber() {
    BigNumber n{BN_new()};
    if (!n) {
        throw std::bad_alloc();
    }
    return n;
}

inline BigNumberContext newBigNumberContext() {
    BigNumberContext c{BN_CTX_secure_new()};
    if (!c) {
        throw std::bad_alloc();
    }
    return c;
}

// Bytes read as an unsigned number, most significant byte first.
inline BigNumber bigNumberFromBytes(std::span<const std::uint8_t> bytes) {
    BigNumber n{BN_bin2bn(bytes.data(), static_cast<int>(bytes.size()), nullptr)};
    if (!n) {
        throw std::bad_alloc();
    }
    return n;
}

// The number as exactly out.size() bytes, most significant first; it must fit.
inline void bigNumberToBytes(const BIGNUM* n, std::span<std::uint8_t> out) {
    require(BN_bn2binpad(n, out.data(), static_cast<int>(out.size())) ==
            static_cast<int>(out.size()));
}

} // namespace morvelan::keys
