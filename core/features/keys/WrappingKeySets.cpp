#include "core/features/keys/WrappingKeySets.h"

#include "core/features/keys/WrappingKeyTable.h"

namespace morvelan {
namespace {

std::uint8_t rotateLeft3(std::uint8_t byte) {
    return static_cast<std::uint8_t>((byte << 3) | (byte >> 5));
}

void assemble(std::size_t set, std::size_t component, WrappingComponent& out) {
    using namespace wrapping;
    for (std::size_t piece = 0; piece < kPiecesPerComponent; ++piece) {
        const std::uint8_t* row = kPieces[kPieceRow[set][component][piece]];
        const std::uint8_t constant = kPieceConstant[set][component][piece];
        for (std::size_t i = 0; i < kPieceSize; ++i) {
            out[piece * kPieceSize + i] = row[i] ^ constant;
        }
    }
    // Undo the mixing: each byte was combined with its unmixed predecessor.
    for (std::size_t i = 1; i < out.size(); ++i) {
        out[i] ^= rotateLeft3(static_cast<std::uint8_t>(out[i - 1] + i));
    }
}

} // namespace

WrappingKeySet wrappingKeySet(bool thirdGeneration) {
    const std::size_t set = thirdGeneration ? 0 : 1;
    WrappingKeySet keys{};
    assemble(set, 0, keys.p);
    assemble(set, 1, keys.q);
    assemble(set, 2, keys.dP);
    assemble(set, 3, keys.dQ);
    assemble(set, 4, keys.qInv);
    return keys;
}

} // namespace morvelan
