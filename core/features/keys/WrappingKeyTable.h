// The private halves of the two wrapping key sets as the program stores them: no component is
// kept whole. Each 64-byte component is four 16-byte pieces, two per half, each at its own row
// of kPieces among rows of filler, each byte combined with the piece's one-byte constant; the
// pieces joined give the component after a mixing step, which WrappingKeySets.cpp undoes.
// WrappingKeyTable.cpp is written by tools/scramble-wrapping-keys.py.
#pragma once

#include <cstddef>
#include <cstdint>

namespace morvelan::wrapping {

inline constexpr std::size_t kSetCount = 2;       // third generation, then the others
inline constexpr std::size_t kComponentCount = 5; // p, q, dP, dQ, qInv
inline constexpr std::size_t kPieceSize = 16;
inline constexpr std::size_t kPiecesPerComponent = 4;
inline constexpr std::size_t kPieceRows = kSetCount * kComponentCount * kPiecesPerComponent + 8;

extern const std::uint8_t kPieces[kPieceRows][kPieceSize];
// The row of kPieces that holds each piece, and the constant each of its bytes is combined with.
extern const std::uint8_t kPieceRow[kSetCount][kComponentCount][kPiecesPerComponent];
extern const std::uint8_t kPieceConstant[kSetCount][kComponentCount][kPiecesPerComponent];

} // namespace morvelan::wrapping
