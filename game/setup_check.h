// Whether a position set up by hand can be played from, and if not, why.
#pragma once
#include <string>
#include "engine/board.h"

constexpr int MaxPiecesPerSide = 12;

// Empty when the position can start a game; else one line such as
// "a white man on its crowning row (b8)", "13 black pieces: at most 12", "no piece on the board".
std::string setUpFault(const Position& position);
// The next piece in the set-up editor's cycle on a square: empty, white man, white king,
// black man, black king, empty again.
Position cycledSquare(const Position& position, int square);
