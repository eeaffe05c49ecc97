#include "core/features/keys/RandomBytes.h"

#include "core/features/keys/Digests.h"

#include <algorithm>

namespace morvelan::keys {

void hashRandomBlocks(RandomBlock& block) {
    for (std::size_t i = 0; i < kHashedBlocks; ++i) {
        const auto piece = std::span(block).subspan(i * kMd5BlockSize, kMd5BlockSize);
        const Md5Digest digest = md5(piece);
        std::copy(digest.begin(), digest.end(), piece.begin());
    }
}

RandomBlock searchStart(const RandomSource& random) {
    RandomBlock block{};
    random(block);
    hashRandomBlocks(block);
    return block;
}

} // namespace morvelan::keys
