// The landing squares of a capture, which the engine's moves do not keep: a move is
// its origin, its captured pieces and its end, and a king may take the same pieces
// along different routes.
#pragma once
#include <vector>
#include "engine/board.h"

// A route by which the piece on `landings.front()` takes exactly `captured` and stops
// on `landings.back()`, passing through the squares between in this order (each one a
// square it lands on before the last capture). Empty when there is none.
std::vector<int> captureRoute(const Position& before, SquareSet captured, const std::vector<int>& landings);
