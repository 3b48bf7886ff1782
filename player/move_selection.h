// A person's choice of a move by clicks: first a piece that can move, then one of its
// destinations. Several moves of the piece that end on one square (different captures)
// are told apart by an alternative index, in list order. Knows nothing of the screen.
#pragma once
#include <array>
#include "engine/movelist.h"

class MoveSelection {
public:
  using Frames = std::array<int, 32>;  // by square index

  // A new turn: nothing selected.
  void reset(const MoveList& moves);
  // Back to choosing a piece (the right button).
  void drop() { origin = 0; }
  bool pieceSelected() const { return origin != 0; }
  // Squares to frame: each movable piece once before a selection; afterwards each destination
  // of the selected piece, once per move that ends there.
  Frames frames() const;
  // The move from the selected piece to `square` with that alternative, or none.
  const Move* candidate(int square, int alternative) const;
  // A click on a square with the alternative under the pointer: chooses a move to a
  // destination of the selected piece (true, *chosen set), or selects a movable piece, also
  // in place of another (true, *chosen untouched). False when the click means nothing.
  bool click(int square, int alternative, const Move** chosen);

private:
  const MoveList* moves = nullptr;
  SquareSet origin = 0;
};
