#include "enddb/class_positions.h"
#include "enddb/index.h"

ClassPositions::ClassPositions(uint32_t a, uint32_t b, uint32_t k, uint32_t l)
    : n(a + b), occupancies(BinomialTable[32][a + b]), flagMask((uint32_t(1) << (2 * (a + b))) - 1),
      patternPlace() {
  const SquareSet patternLimit = (SquareSet(1) << n) - 1;
  for (SquareSet moverPattern = (SquareSet(1) << a) - 1; moverPattern != 0 && moverPattern <= patternLimit;
       moverPattern = nextCombination(moverPattern)) {
    for (SquareSet kingPattern = (SquareSet(1) << (k + l)) - 1; kingPattern <= patternLimit;
         kingPattern = nextCombination(kingPattern)) {
      if (uint32_t(bitCount(kingPattern & moverPattern)) == k) {
        patternPlace[(kingPattern << n) | moverPattern] = uint16_t(patterns.size());
        patterns.push_back((kingPattern << n) | moverPattern);
      }
      if (kingPattern == 0) break;
    }
  }
  // Sets of n squares in increasing value are the sets in occupancy-number order.
  occupiedSets.reserve(occupancies);
  for (SquareSet set = patternLimit; occupiedSets.size() < occupancies; set = nextCombination(set))
    occupiedSets.push_back(set);
}

SquareSet ClassPositions::positionAt(uint32_t place, SquareSet& mover, SquareSet& kings) const {
  const SquareSet occupied = occupiedSets[place % occupancies];
  const uint32_t pattern = patterns[place / occupancies];
  mover = kings = 0;
  // The lowest occupied square owns the highest bit of each flag field.
  SquareSet rest = occupied;
  for (uint32_t bit = n; bit-- > 0;) {
    const SquareSet square = rest & (0 - rest);
    rest ^= square;
    if ((pattern >> bit) & 1) mover |= square;
    if ((pattern >> (n + bit)) & 1) kings |= square;
  }
  return occupied;
}
