// Alpha-beta search below the root: fail-soft principal-variation search with the
// transposition table, end-game database probes and a capture-only horizon.
// Every score is from the side to move; callers negate.
#pragma once
#include <cstdint>
#include "engine/movegen.h"
#include "search/evaluate.h"

constexpr Score SCORE_MAX = 124;    // +infinity of a window
constexpr Score SCORE_MIN = -124;   // -infinity of a window
constexpr Score SCORE_WIN = 120;    // proven win; -SCORE_WIN a proven loss
constexpr Score SCORE_NONE = -128;  // no value
constexpr Score SCORE_DRAW = 0;     // repetition on the search path

constexpr int MaxSearchDepth = 62;

// Value of the position searched `depth` plies deep (1..MaxSearchDepth) inside (alpha, beta).
Score searchNode(SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove, Score alpha, Score beta,
                 int depth);
// Value of the position when only captures are played out; quiet positions are evaluated.
Score quiescence(SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove, Score alpha, Score beta);

// Positions visited by searchNode and quiescence since the last reset (tool and benchmark figures).
uint64_t searchedNodes();
void resetSearchedNodes();
