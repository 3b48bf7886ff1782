#include "engine/board.h"

const char SquareNames[32][3] = {
    "A1", "C1", "E1", "G1", "B2", "D2", "F2", "H2", "A3", "C3", "E3", "G3", "B4", "D4", "F4", "H4",
    "A5", "C5", "E5", "G5", "B6", "D6", "F6", "H6", "A7", "C7", "E7", "G7", "B8", "D8", "F8", "H8"};

namespace {

constexpr std::array<uint8_t, 65536> makePopCount16() {
  std::array<uint8_t, 65536> table{};
  for (uint32_t v = 1; v < 65536; ++v) table[v] = (uint8_t)(table[v >> 1] + (v & 1));
  return table;
}

}  // namespace

constexpr std::array<uint8_t, 65536> PopCount16 = makePopCount16();

bool Position::operator<(const Position& other) const {
  if (white != other.white) return white < other.white;
  if (black != other.black) return black < other.black;
  if (kings != other.kings) return kings < other.kings;
  return whiteToMove < other.whiteToMove;
}
