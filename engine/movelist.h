// Moves as positions after the move plus their origin, and their five-character text.
#pragma once
#include "engine/board.h"
#include "engine/movegen.h"

class Move : public Position {
public:
  SquareSet from = 0;

  Move() = default;
  explicit Move(const MoveRecord& r) : Position(r.white, r.black, r.kings), from(r.from) {}

  // The square occupied after the move that was empty before it, or `from`.
  SquareSet destination(SquareSet emptyBefore) const;
  // The squares of the pieces the move took: occupied before, empty after, not the origin.
  SquareSet captured(SquareSet emptyBefore) const { return ~(emptyBefore | white | black | from); }
  // Writes exactly five characters such as "C3-D4" or "E5xC3", no terminating zero.
  void writeNotation(SquareSet emptyBefore, char* text) const;
};
