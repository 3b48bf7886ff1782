#include "engine/movelist.h"

namespace {

int listMoves(MoveRecord* (*generate)(MoveRecord*, SquareSet, SquareSet, SquareSet), const Position& position,
              Move** moves) {
  MoveRecord buffer[MoveBufferCapacity];
  const int count = (int)(generate(buffer, position.white, position.black, position.kings) - buffer);
  *moves = new Move[count];
  for (int i = 0; i < count; ++i) (*moves)[i] = Move(buffer[i]);
  return count;
}

}  // namespace

int Position::whiteMoves(Move** moves) const { return listMoves(generateWhiteMoves, *this, moves); }

int Position::blackMoves(Move** moves) const { return listMoves(generateBlackMoves, *this, moves); }

int Position::findMove(bool whiteToMove, uint8_t from, uint8_t to, Move& move) const {
  MoveRecord buffer[MoveBufferCapacity];
  const MoveRecord* end = whiteToMove ? generateWhiteMoves(buffer, white, black, kings)
                                      : generateBlackMoves(buffer, white, black, kings);
  const SquareSet emptyBefore = empty();
  for (const MoveRecord* r = buffer; r != end; ++r) {
    const Move candidate(*r);
    if ((uint8_t)squareIndex(candidate.from) == from &&
        (uint8_t)squareIndex(candidate.destination(emptyBefore)) == to) {
      move = candidate;
      return (int)(end - buffer);
    }
  }
  return 0;
}

SquareSet Move::destination(SquareSet emptyBefore) const {
  const SquareSet arrived = emptyBefore & (white | black);
  return arrived ? arrived : from;
}

void Move::writeNotation(SquareSet emptyBefore, char* text) const {
  const char* origin = SquareNames[squareIndex(from)];
  const char* target = SquareNames[squareIndex(destination(emptyBefore))];
  const bool captured = bitCount(emptyBefore) < bitCount(empty());
  text[0] = origin[0];
  text[1] = origin[1];
  text[2] = captured ? 'x' : '-';
  text[3] = target[0];
  text[4] = target[1];
}
