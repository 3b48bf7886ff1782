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
}
