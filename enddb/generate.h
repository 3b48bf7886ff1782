// Pieces of the database computation that tests look at directly.
#pragma once
#include "engine/board.h"

// Whether the mover of an oriented position has at least one legal move.
bool hasLegalMove(SquareSet mover, SquareSet opponent, SquareSet kings);
