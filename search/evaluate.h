// Static evaluation: material only, a man counts 1 and a king 3.
#pragma once
#include <cstdint>
#include "engine/board.h"

using Score = int8_t;  // from the side to move; see search.h for the fixed values

// Material balance for the side to move, between -36 and 36.
inline Score evaluate(SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove) {
  int balance = popCount(white) - popCount(black) + 2 * (popCount(white & kings) - popCount(black & kings));
  return (Score)(whiteToMove ? balance : -balance);
}
