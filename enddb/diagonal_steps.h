// One diagonal step of every square of a set at once; squares that would
// leave the board drop out. Even rows hold bits 0-3 of each byte, odd rows 4-7.
#pragma once
#include "engine/board.h"

inline SquareSet stepsUpLeft(SquareSet s) { return ((s & 0x0E0E0E0E) << 3) | ((s & 0xF0F0F0F0) << 4); }
inline SquareSet stepsUpRight(SquareSet s) { return ((s & 0x0F0F0F0F) << 4) | ((s & 0x70707070) << 5); }
inline SquareSet stepsDownLeft(SquareSet s) { return ((s & 0x0E0E0E0E) >> 5) | ((s & 0xF0F0F0F0) >> 4); }
inline SquareSet stepsDownRight(SquareSet s) { return ((s & 0x0F0F0F0F) >> 4) | ((s & 0x70707070) >> 3); }
