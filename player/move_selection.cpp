#include "player/move_selection.h"

void MoveSelection::reset(const MoveList& list) {
  moves = &list;
  origin = 0;
}

MoveSelection::Frames MoveSelection::frames() const {
  Frames frames{};
  if (!moves) return frames;
  for (const Move& move : *moves) {
    if (!origin) frames[squareIndex(move.from)] = 1;
    else if (move.from == origin) frames[squareIndex(move.to)] += 1;
  }
  return frames;
}

const Move* MoveSelection::candidate(int square, int alternative) const {
  if (!moves || !origin || square < 0 || square > 31) return nullptr;
  for (const Move& move : *moves) {
    if (move.from != origin || squareIndex(move.to) != square) continue;
    if (alternative-- == 0) return &move;
  }
  return nullptr;
}

bool MoveSelection::click(int square, int alternative, const Move** chosen) {
  if (!moves || square < 0 || square > 31) return false;
  if (origin && frames()[square] > 0) {  // a destination of the selected piece
    const Move* move = candidate(square, alternative);
    if (!move) return false;
    *chosen = move;
    return true;
  }
  // A movable piece is selected, also in place of the one selected before.
  for (const Move& move : *moves)
    if (move.from == (SquareSet)1 << square) {
      origin = move.from;
      return true;
    }
  return false;
}
