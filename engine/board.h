// The board as 32-bit square sets: bit k is dark square k, A1 = 0 .. H8 = 31,
// row k >> 2, position in the row k & 3.
#pragma once
#include <array>
#include <cstdint>
#include "engine/square_names.h"

using SquareSet = uint32_t;

// The pieces on the board and the side to move: a plain value, copied freely.
struct Position {
  SquareSet white = 0;
  SquareSet black = 0;
  SquareSet kings = 0;
  bool whiteToMove = true;

  Position() = default;
  constexpr Position(SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove = true)
      : white(white), black(black), kings(kings), whiteToMove(whiteToMove) {}

  SquareSet empty() const { return ~(white | black); }

  bool operator<(const Position& other) const;
  bool operator==(const Position& other) const {
    return white == other.white && black == other.black && kings == other.kings && whiteToMove == other.whiteToMove;
  }
  bool operator!=(const Position& other) const { return !(*this == other); }
};

constexpr Position InitialPosition(0x00000FFF, 0xFFF00000, 0, true);

constexpr SquareSet WhiteKingRow = 0xF0000000;  // B8 D8 F8 H8
constexpr SquareSet BlackKingRow = 0x0000000F;  // A1 C1 E1 G1

enum Direction { UpLeft = 0, UpRight = 1, DownLeft = 2, DownRight = 3 };

// Even rows (ranks 1, 3, 5, 7) hold bits 0-3 of each byte, odd rows bits 4-7.
constexpr SquareSet EvenRows = 0x0F0F0F0F;
constexpr SquareSet OddRows = 0xF0F0F0F0;
constexpr SquareSet FileA = 0x01010101;  // on even rows
constexpr SquareSet FileH = 0x80808080;  // on odd rows

// One diagonal step of every square of a set at once; squares that would leave the board drop out.
constexpr SquareSet upLeft(SquareSet s) { return ((s & EvenRows & ~FileA) << 3) | ((s & OddRows) << 4); }
constexpr SquareSet upRight(SquareSet s) { return ((s & EvenRows) << 4) | ((s & OddRows & ~FileH) << 5); }
constexpr SquareSet downLeft(SquareSet s) { return ((s & EvenRows & ~FileA) >> 5) | ((s & OddRows) >> 4); }
constexpr SquareSet downRight(SquareSet s) { return ((s & EvenRows) >> 4) | ((s & OddRows & ~FileH) >> 3); }

constexpr SquareSet step(int direction, SquareSet s) {
  return direction == UpLeft ? upLeft(s) : direction == UpRight ? upRight(s) : direction == DownLeft ? downLeft(s)
                                                                                                   : downRight(s);
}

// Square one diagonal step from k in a direction, or -1 off the board: DiagonalStep[direction][k].
struct DiagonalSteps {
  int8_t to[4][32];
  constexpr const int8_t* operator[](int direction) const { return to[direction]; }
};

constexpr DiagonalSteps makeDiagonalSteps() {
  DiagonalSteps steps{};
  for (int d = 0; d < 4; ++d)
    for (int k = 0; k < 32; ++k) {
      const SquareSet next = step(d, SquareSet(1) << k);
      steps.to[d][k] = next ? (int8_t)__builtin_ctz(next) : -1;
    }
  return steps;
}

inline constexpr DiagonalSteps DiagonalStep = makeDiagonalSteps();

// Parallel bit count without a processor instruction.
inline int bitCount(SquareSet x) {
  x = x - ((x >> 1) & 0x55555555);
  x = (x & 0x33333333) + ((x >> 2) & 0x33333333);
  x = (x + (x >> 4)) & 0x0F0F0F0F;
  return (int)((x * 0x01010101) >> 24);
}
// Bits set in every 16-bit value, built at compile time. On the amd64 baseline two
// lookups beat the parallel count, and the compiler's builtin is a library call.
extern const std::array<uint8_t, 65536> PopCount16;
inline int popCount(SquareSet x) { return PopCount16[x >> 16] + PopCount16[x & 0xFFFF]; }
// Bit number of a one-square set.
inline int squareIndex(SquareSet x) { return x ? __builtin_ctz(x) : 32; }
