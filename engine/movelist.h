// The legal moves of a position in list order, and their five-character text.
#pragma once
#include "engine/board.h"
#include "engine/movegen.h"

struct Move {
  SquareSet from = 0;
  SquareSet to = 0;        // equals `from` when a king's captures lead back to its square
  SquareSet captured = 0;  // the pieces the move takes
  Position after;          // the position after the move, the other side to move

  bool operator==(const Move& o) const {
    return from == o.from && to == o.to && captured == o.captured && after == o.after;
  }
  bool operator!=(const Move& o) const { return !(*this == o); }
  // Writes exactly five characters such as "C3-D4" or "E5xC3", no terminating zero.
  void writeNotation(char* text) const;
};

// The move from `before` that leaves `from` and reaches `after`.
Move moveBetween(const Position& before, SquareSet from, const Position& after);

// The moves of the side to move, kept on the stack; repeated moves are merged.
class MoveList {
public:
  explicit MoveList(const Position& position);

  const Move* begin() const { return moves; }
  const Move* end() const { return moves + count; }
  int size() const { return count; }
  const Move& operator[](int i) const { return moves[i]; }
  // First move from square index `from` to square index `to`; null if none fits.
  const Move* find(int from, int to) const;

private:
  int count = 0;
  Move moves[MoveBufferCapacity];
};
