// Legal move generation: compulsory maximum capture, flying kings, men capturing backward.
#pragma once
#include "engine/board.h"

// The position after a move and the square it started from.
struct MoveRecord {
  SquareSet from;
  SquareSet white;
  SquareSet black;
  SquareSet kings;
};

constexpr int MoveBufferCapacity = 1024;

// Write the moves into `out` (room for MoveBufferCapacity records) in list order;
// return the position just past the last one.
MoveRecord* generateWhiteMoves(MoveRecord* out, SquareSet white, SquareSet black, SquareSet kings);
MoveRecord* generateBlackMoves(MoveRecord* out, SquareSet white, SquareSet black, SquareSet kings);
