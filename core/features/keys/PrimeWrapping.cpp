#include "core/features/keys/PrimeWrapping.h"

#include "core/features/keys/BigNumbers.h"

#include <openssl/crypto.h>

#include <algorithm>

namespace morvelan::keys {
namespace {

// The private exponents are worked with in constant time, so that the time a wrapping takes
// says nothing about them.
BigNumber secretNumber(std::span<const std::uint8_t> bytes) {
    BigNumber n = bigNumberFromBytes(bytes);
    BN_set_flags(n.get(), BN_FLG_CONSTTIME);
    return n;
}

} // namespace

WrappedBlock privateOperation(const WrappedBlock& block, const WrappingKeySet& keys) {
    BigNumberContext context = newBigNumberContext();
    BigNumber c = bigNumberFromBytes(block);
    BigNumber p = secretNumber(keys.p);
    BigNumber q = secretNumber(keys.q);
    BigNumber dP = secretNumber(keys.dP);
    BigNumber dQ = secretNumber(keys.dQ);
    BigNumber qInv = secretNumber(keys.qInv);
    BigNumber reduced = newBigNumber();
    BigNumber m1 = newBigNumber();
    BigNumber m2 = newBigNumber();
    BigNumber h = newBigNumber();

    require(BN_nnmod(reduced.get(), c.get(), p.get(), context.get()));
    require(BN_mod_exp(m1.get(), reduced.get(), dP.get(), p.get(), context.get()));
    require(BN_nnmod(reduced.get(), c.get(), q.get(), context.get()));
    require(BN_mod_exp(m2.get(), reduced.get(), dQ.get(), q.get(), context.get()));
    require(BN_mod_sub(h.get(), m1.get(), m2.get(), p.get(), context.get()));
    require(BN_mod_mul(h.get(), h.get(), qInv.get(), p.get(), context.get()));
    require(BN_mul(h.get(), h.get(), q.get(), context.get()));
    require(BN_add(h.get(), h.get(), m2.get()));

    WrappedBlock out{};
    bigNumberToBytes(h.get(), out);
    return out;
}

WrappedBlock wrapPrime(std::span<const std::uint8_t, 64> prime, const WrappingKeySet& keys) {
    WrappedBlock block{};
    block[0] = static_cast<std::uint8_t>(prime.size());
    std::copy(prime.begin(), prime.end(), block.begin() + 1);
    WrappedBlock wrapped = privateOperation(block, keys);
    OPENSSL_cleanse(block.data(), block.size());
    return wrapped;
}

} // namespace morvelan::keys
