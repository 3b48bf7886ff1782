#include "engine/movelist.h"

Move moveBetween(const Position& before, SquareSet from, const Position& after) {
  const SquareSet emptyBefore = before.empty();
  const SquareSet arrived = emptyBefore & (after.white | after.black);
  Move move;
  move.from = from;
  move.to = arrived ? arrived : from;
  // Occupied before, empty after, and not the origin.
  move.captured = ~(emptyBefore | after.white | after.black | from);
  move.after = after;
  return move;
}

MoveList::MoveList(const Position& position) {
  MoveRecord buffer[MoveBufferCapacity];
  const MoveRecord* end = position.whiteToMove
                              ? generateWhiteMoves(buffer, position.white, position.black, position.kings)
                              : generateBlackMoves(buffer, position.white, position.black, position.kings);
  for (const MoveRecord* r = buffer; r != end; ++r)
    moves[count++] = moveBetween(position, r->from, Position(r->white, r->black, r->kings, !position.whiteToMove));
}

const Move* MoveList::find(int from, int to) const {
  for (const Move& move : *this)
    if (squareIndex(move.from) == from && squareIndex(move.to) == to) return &move;
  return nullptr;
}

void Move::writeNotation(char* text) const {
  const char* origin = SquareNames[squareIndex(from)];
  const char* target = SquareNames[squareIndex(to)];
  text[0] = origin[0];
  text[1] = origin[1];
  text[2] = captured ? 'x' : '-';
  text[3] = target[0];
  text[4] = target[1];
}
