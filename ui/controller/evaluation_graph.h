// The evaluation graph below the board as plain numbers: one point per position of a reviewed
// game, White's advantage up, and where a click along it lands.
#pragma once
#include <vector>
#include "engine/board.h"
#include "search/review.h"

constexpr int GraphClip = 300;  // hundredths of a man: the graph shows +-3 men

struct GraphPoint {
  int value = 0;       // hundredths of a man for White, clipped to +-GraphClip
  bool exact = false;  // a result the database proves: drawn at the clip with a marker
};

// The review's positions as points, the first with `start`'s side to move.
std::vector<GraphPoint> graphPoints(const GameReview& review, const Position& start);

// The x of point `ply` of `count` across a strip `width` wide: the first at 0, the last at width - 1.
int graphPointX(int ply, int count, int width);
// The point nearest to a click at `x` (clamped to the strip); -1 when there is no point.
int graphPlyAt(int x, int count, int width);
// The y of a value in a strip `height` high: +GraphClip at the top row, -GraphClip at the bottom.
int graphValueY(int value, int height);
