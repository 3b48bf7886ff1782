#include "engine/perft.h"
#include "engine/movegen.h"

uint64_t perft(const Position& position, bool whiteToMove, int depth) {
  if (depth <= 0) return 1;
  MoveRecord moves[MoveBufferCapacity];
  const MoveRecord* end = whiteToMove ? generateWhiteMoves(moves, position.white, position.black, position.kings)
                                      : generateBlackMoves(moves, position.white, position.black, position.kings);
  if (depth == 1) return (uint64_t)(end - moves);
  uint64_t leaves = 0;
  for (const MoveRecord* m = moves; m != end; ++m)
    leaves += perft(Position(m->white, m->black, m->kings), !whiteToMove, depth - 1);
  return leaves;
}
