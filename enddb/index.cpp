#include "enddb/index.h"

namespace {

constexpr std::array<std::array<uint32_t, 33>, 33> makeBinomialTable() {
  std::array<std::array<uint32_t, 33>, 33> table{};
  for (int n = 0; n <= 32; ++n) table[n][0] = table[n][n] = 1;
  for (int n = 2; n <= 32; ++n)
    for (int k = 1; k < n; ++k) table[n][k] = table[n - 1][k - 1] + table[n - 1][k];
  return table;
}

// A counter whose increment runs from bit 15 downward: entry v is entry v - 1
// plus one, carried the reversed way.
constexpr std::array<uint16_t, 65536> makeReverse16() {
  std::array<uint16_t, 65536> table{};
  for (uint32_t v = 1; v < 65536; ++v) {
    uint16_t value = table[v - 1];
    for (uint16_t bit = 0x8000; bit != 0; bit >>= 1) {
      value ^= bit;
      if (value & bit) break;
    }
    table[v] = value;
  }
  return table;
}

}  // namespace

constexpr std::array<std::array<uint32_t, 33>, 33> BinomialTable = makeBinomialTable();
constexpr std::array<uint16_t, 65536> Reverse16 = makeReverse16();

uint32_t indexOf(SquareSet occupied, SquareSet mover, SquareSet kings, uint32_t& pieces) {
  uint32_t n = 0, r = 0, moverField = 0, kingField = 0;
  while (occupied) {
    const SquareSet square = occupied & (0 - occupied);
    occupied ^= square;
    ++n;
    moverField = (moverField << 1) | ((mover & square) != 0);
    kingField = (kingField << 1) | ((kings & square) != 0);
    const uint32_t s = uint32_t(__builtin_ctz(square));
    if (s >= n) r += BinomialTable[s][n];
  }
  pieces = n;
  // 64-bit so that a full board (n = 32) shifts without overflow.
  return uint32_t((((uint64_t(r) << n) | kingField) << n) | moverField);
}

SquareSet setsFromIndex(uint32_t index, uint32_t n, SquareSet& mover, SquareSet& kings) {
  const uint64_t fieldMask = (uint64_t(1) << n) - 1;
  uint32_t moverField = uint32_t(index & fieldMask);
  uint32_t kingField = uint32_t((uint64_t(index) >> n) & fieldMask);
  uint32_t r = 2 * n >= 32 ? 0 : index >> (2 * n);
  SquareSet occupied = 0;
  mover = kings = 0;
  uint32_t m = n;
  for (int s = 31; s >= 0 && m > 0; --s) {
    if (BinomialTable[s][m] > r) continue;
    r -= BinomialTable[s][m];
    const SquareSet square = SquareSet(1) << s;
    occupied |= square;
    if (moverField & 1) mover |= square;
    if (kingField & 1) kings |= square;
    moverField >>= 1;
    kingField >>= 1;
    --m;
  }
  return occupied;
}

SquareSet nextCombination(SquareSet x) {
  const SquareSet low = x & (0 - x);
  const SquareSet sum = x + low;
  const SquareSet carry = sum & (0 - sum);
  if (carry == 0) return 0;
  SquareSet d = carry - low;
  while ((d & 1) == 0) d >>= 1;
  return sum | (d >> 1);
}
