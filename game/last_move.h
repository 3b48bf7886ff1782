// The last move as the board marks it: where the piece left, where it stopped, and for a
// capture the squares it landed on between, in order.
#pragma once
#include "engine/movelist.h"

class GameRecord;

struct LastMove {
  static constexpr int MaxRoute = 16;  // a capture takes at most 12 pieces: 13 squares
  int route[MaxRoute] = {};            // square indices from the origin to the destination
  int length = 0;                      // 0: no last move; else at least 2
  SquareSet captured = 0;
  Position before;                     // the position the move was played from

  bool empty() const { return length == 0; }
  int from() const { return length ? route[0] : -1; }
  int to() const { return length ? route[length - 1] : -1; }
  SquareSet squares() const;  // every square of the route
};

// The record's last move (none before the first); a capture whose landings cannot be
// found shows as a straight move from its origin to its end.
LastMove lastMoveOf(const GameRecord& record);
// The same for a move played from `before`.
LastMove lastMoveOf(const Position& before, const Move& move);
