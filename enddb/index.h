// Dense numbering of positions with few pieces, seen from the side to move
// ("oriented": the mover plays upward, as White does).
#pragma once
#include <array>
#include <cstdint>
#include "engine/board.h"

constexpr int MaxDatabasePieces = 5;

// Built at compile time.
extern const std::array<std::array<uint32_t, 33>, 33> BinomialTable;  // [n][k] = C(n, k), 0 for k > n
extern const std::array<uint16_t, 65536> Reverse16;                   // the 16 bits of v in reverse order

// The board turned by 180 degrees: square k goes to square 31 - k.
inline SquareSet reverseSquares(SquareSet s) {
  return (SquareSet(Reverse16[s & 0xFFFF]) << 16) | Reverse16[s >> 16];
}

// Index of the oriented position; its piece count goes to `pieces`.
uint32_t indexOf(SquareSet occupied, SquareSet mover, SquareSet kings, uint32_t& pieces);
// The inverse of indexOf for a table of n pieces; returns the occupied squares.
SquareSet setsFromIndex(uint32_t index, uint32_t n, SquareSet& mover, SquareSet& kings);
// Next larger value with as many set bits, or 0 when there is none.
SquareSet nextCombination(SquareSet x);
// Entries of the table for n pieces: C(32, n) * 4^n.
inline uint32_t tableSize(uint32_t n) { return BinomialTable[32][n] << (2 * n); }
