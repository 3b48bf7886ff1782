// The end-game database under the draw rules: its win stands only if its line ends before a
// count runs out. Both searches and the computer player ask it.
#pragma once
#include <cstdint>
#include "engine/draw_rules.h"

class EndgameDatabase;

// The database's `status` (StatusWin or StatusLoss for the side to move) of `position`, or
// StatusDraw when the database's line (its own moves for both sides; their number is the plies
// it needs) does not end before one of the counts in `draws` runs out.
uint8_t statusWithinCounts(const EndgameDatabase& database, const Position& position, DrawState draws,
                           uint8_t status);
