#include "engine/perft.h"
#include "engine/movegen.h"

namespace {

uint64_t leavesBelow(SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove, int depth) {
  MoveRecord moves[MoveBufferCapacity];
  const MoveRecord* end = whiteToMove ? generateWhiteMoves(moves, white, black, kings)
                                      : generateBlackMoves(moves, white, black, kings);
  if (depth == 1) return (uint64_t)(end - moves);
  uint64_t leaves = 0;
  for (const MoveRecord* m = moves; m != end; ++m)
    leaves += leavesBelow(m->white, m->black, m->kings, !whiteToMove, depth - 1);
  return leaves;
}

}  // namespace

uint64_t perft(const Position& position, int depth) {
  if (depth <= 0) return 1;
  return leavesBelow(position.white, position.black, position.kings, position.whiteToMove, depth);
}
