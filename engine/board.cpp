#include "engine/board.h"

const char SquareNames[32][3] = {
    "A1", "C1", "E1", "G1", "B2", "D2", "F2", "H2", "A3", "C3", "E3", "G3", "B4", "D4", "F4", "H4",
    "A5", "C5", "E5", "G5", "B6", "D6", "F6", "H6", "A7", "C7", "E7", "G7", "B8", "D8", "F8", "H8"};

const int8_t DiagonalStep[4][32] = {
    // UpLeft
    {-1,  4,  5,  6,  8,  9, 10, 11, -1, 12, 13, 14, 16, 17, 18, 19,
     -1, 20, 21, 22, 24, 25, 26, 27, -1, 28, 29, 30, -1, -1, -1, -1},
    // UpRight
    { 4,  5,  6,  7,  9, 10, 11, -1, 12, 13, 14, 15, 17, 18, 19, -1,
     20, 21, 22, 23, 25, 26, 27, -1, 28, 29, 30, 31, -1, -1, -1, -1},
    // DownLeft
    {-1, -1, -1, -1,  0,  1,  2,  3, -1,  4,  5,  6,  8,  9, 10, 11,
     -1, 12, 13, 14, 16, 17, 18, 19, -1, 20, 21, 22, 24, 25, 26, 27},
    // DownRight
    {-1, -1, -1, -1,  1,  2,  3, -1,  4,  5,  6,  7,  9, 10, 11, -1,
     12, 13, 14, 15, 17, 18, 19, -1, 20, 21, 22, 23, 25, 26, 27, -1},
};

uint8_t PopCount16[65536];

void fillPopCount16() {
  for (uint32_t i = 0; i < 65536; ++i) PopCount16[i] = (uint8_t)bitCount(i);
}

bool Position::operator<(const Position& other) const {
  if (white != other.white) return white < other.white;
  if (black != other.black) return black < other.black;
  if (kings != other.kings) return kings < other.kings;
  return whiteToMove < other.whiteToMove;
}
