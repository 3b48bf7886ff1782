// The positions of one material class numbered in the order a sweep visits
// them: flag patterns as nextCombination lists them, occupancy numbers inside.
#pragma once
#include <cstdint>
#include <vector>
#include "engine/board.h"

class ClassPositions {
public:
  // Mover a pieces with k kings, opponent b pieces with l kings.
  ClassPositions(uint32_t a, uint32_t b, uint32_t k, uint32_t l);

  uint32_t pieces() const { return n; }
  uint32_t size() const { return uint32_t(patterns.size()) * occupancies; }
  // Table index of the position at a place of the visiting order, and back.
  uint32_t indexAt(uint32_t place) const {
    return ((place % occupancies) << (2 * n)) | patterns[place / occupancies];
  }
  uint32_t placeOf(uint32_t index) const {
    return uint32_t(patternPlace[index & flagMask]) * occupancies + (index >> (2 * n));
  }
  // The position at a place, as setsFromIndex gives it for its index.
  SquareSet positionAt(uint32_t place, SquareSet& mover, SquareSet& kings) const;

private:
  uint32_t n;
  uint32_t occupancies;
  uint32_t flagMask;
  std::vector<uint32_t> patterns;  // king pattern << n | mover pattern, in visiting order
  std::vector<SquareSet> occupiedSets;  // by occupancy number
  uint16_t patternPlace[1024];     // the place of each pattern among them
};
