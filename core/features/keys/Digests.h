// The two digests of the key generation, computed by OpenSSL.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace morvelan::keys {

using Sha1Digest = std::array<std::uint8_t, 20>;
using Md5Digest = std::array<std::uint8_t, 16>;

Sha1Digest sha1(std::span<const std::uint8_t> bytes);
Md5Digest md5(std::span<const std::uint8_t> bytes);

} // namespace morvelan::keys
