#include "engine/board.h"

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
