#include "core/features/keys/Digests.h"

#include <openssl/evp.h>

#include <stdexcept>

namespace morvelan::keys {
namespace {

template <std::size_t N>
std::array<std::uint8_t, N> digest(std::span<const std::uint8_t> bytes, const EVP_MD* type) {
    std::array<std::uint8_t, N> out{};
    unsigned int size = 0;
    if (type == nullptr ||
        EVP_Digest(bytes.data(), bytes.size(), out.data(), &size, type, nullptr) != 1 ||
        size != N) {
        throw std::runtime_error("digest unavailable");
    }
    return out;
}

} // namespace

Sha1Digest sha1(std::span<const std::uint8_t> bytes) {
    return digest<20>(bytes, EVP_sha1());
}

Md5Digest md5(std::span<const std::uint8_t> bytes) {
    return digest<16>(bytes, EVP_md5());
}

} // namespace morvelan::keys
