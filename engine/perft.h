// Counting the leaves of the move tree, the standard check of a move generator.
#pragma once
#include <cstdint>
#include "engine/board.h"

// Leaves at `depth` plies, counted in bulk at the last ply.
uint64_t perft(const Position& position, int depth);
