// The board as 32-bit square sets: bit k is dark square k, A1 = 0 .. H8 = 31,
// row k >> 2, position in the row k & 3.
#pragma once
#include <cstdint>

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

extern const char SquareNames[32][3];
// Square one diagonal step from k in a direction, or -1 off the board.
extern const int8_t DiagonalStep[4][32];

extern uint8_t PopCount16[65536];
void fillPopCount16();

inline int popCount(SquareSet x) { return PopCount16[x >> 16] + PopCount16[x & 0xFFFF]; }
// Parallel bit count, for callers that must not depend on the table.
inline int bitCount(SquareSet x) {
  x = x - ((x >> 1) & 0x55555555);
  x = (x & 0x33333333) + ((x >> 2) & 0x33333333);
  x = (x + (x >> 4)) & 0x0F0F0F0F;
  return (int)((x * 0x01010101) >> 24);
}
// Bit number of a one-square set.
inline int squareIndex(SquareSet x) { return popCount(x - 1); }
