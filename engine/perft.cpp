#include "engine/perft.h"
#include "engine/movegen.h"

namespace {

// The last ply only counts the moves.
template <bool WhiteToMove>
uint64_t leavesBelow(SquareSet white, SquareSet black, SquareSet kings, int depth) {
  if (depth == 1) return (uint64_t)countMoves<WhiteToMove>(white, black, kings);
  MoveRecord moves[MoveBufferCapacity];
  const MoveRecord* end = WhiteToMove ? generateWhiteMoves(moves, white, black, kings)
                                      : generateBlackMoves(moves, white, black, kings);
  uint64_t leaves = 0;
  for (const MoveRecord* m = moves; m != end; ++m)
    leaves += leavesBelow<!WhiteToMove>(m->white, m->black, m->kings, depth - 1);
  return leaves;
}

}  // namespace

uint64_t perft(const Position& position, int depth) {
  if (depth <= 0) return 1;
  return position.whiteToMove ? leavesBelow<true>(position.white, position.black, position.kings, depth)
                              : leavesBelow<false>(position.white, position.black, position.kings, depth);
}
