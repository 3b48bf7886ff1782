#include "game/engine_calls.h"

std::vector<Move> legalMoves(const Position& position, bool whiteToMove) {
  Move* list = nullptr;
  const int count = whiteToMove ? position.whiteMoves(&list) : position.blackMoves(&list);
  std::vector<Move> moves(list, list + count);
  delete[] list;
  return moves;
}

int originOf(const Move& move) { return squareIndex(move.from); }

int destinationOf(const Move& move, const Position& before) {
  return squareIndex(move.destination(before.empty()));
}

SquareSet capturedBy(const Move& move, const Position& before) { return move.captured(before.empty()); }

Position positionAfter(const Move& move) { return Position(move.white, move.black, move.kings); }
