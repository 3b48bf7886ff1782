// Legal move generation: compulsory maximum capture, flying kings, men capturing backward.
// One generator serves the game's move list (repeated moves merged) and the search's
// children (identical ones kept apart, captures only if asked).
#pragma once
#include "engine/board.h"

// The position after a move and the square it started from.
struct MoveRecord {
  SquareSet from;
  SquareSet white;
  SquareSet black;
  SquareSet kings;
};

// A position after one legal move, as the search keeps it.
struct Child {
  SquareSet white;
  SquareSet black;
  SquareSet kings;
};

constexpr int MoveBufferCapacity = 1024;
constexpr int ChildCapacity = 256;

// Write the moves into `out` (room for MoveBufferCapacity records) in list order;
// return the position just past the last one.
MoveRecord* generateWhiteMoves(MoveRecord* out, SquareSet white, SquareSet black, SquareSet kings);
MoveRecord* generateBlackMoves(MoveRecord* out, SquareSet white, SquareSet black, SquareSet kings);

// The length of the list generateWhiteMoves or generateBlackMoves would write.
template <bool WhiteToMove>
int countMoves(SquareSet white, SquareSet black, SquareSet kings);

// Fills `children` (room for ChildCapacity) in the search's order, captures only if
// asked; returns the count. Identical children are not merged.
template <bool WhiteToMove>
int generateChildren(Child* children, SquareSet white, SquareSet black, SquareSet kings, bool capturesOnly);
int expandChildren(Child* children, SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove,
                   bool capturesOnly);
