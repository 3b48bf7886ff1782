#include "search/time_manager.h"
#include <algorithm>

namespace {

constexpr double ShortestPlan = 0.005;  // a search always gets this, however short the clock

// How many more own moves the clock must last, by how full the board is.
double movesToPlan(int pieces) {
  if (pieces >= 20) return 30;  // the opening: the game is long ahead
  if (pieces >= 10) return 22;  // the middle game
  return 16;                    // the end game, where the database takes over soon
}

// More thought where most games are decided.
double phaseWeight(int pieces, int movesPlayed) {
  if (pieces >= 20 && movesPlayed < 10) return 0.7;
  if (pieces >= 8 && pieces <= 18) return 1.3;
  if (pieces < 8) return 0.8;
  return 1.0;
}

}  // namespace

double clockReserve(double timeLeft, double increment) {
  return std::min(0.75 * std::max(0.0, timeLeft), 1.0 + 5 * increment);
}

double clockMoveSeconds(const ClockSituation& situation) {
  const double left = std::max(0.0, situation.timeLeft);
  const double full = clockReserve(1e9, situation.increment);
  const double usable = left - clockReserve(left, situation.increment);
  // Half the increment, less on a clock down to its reserve: the rest builds the reserve
  // back up after a slow move.
  const double incrementShare = 0.5 * std::min(1.0, left / (2 * full));
  double plan = usable / movesToPlan(situation.pieces) * phaseWeight(situation.pieces, situation.movesPlayed) +
                incrementShare * situation.increment;
  if (situation.databaseChose) plan /= 4;
  // One move never takes more than a third of what may be spent.
  return std::min(std::max(plan, ShortestPlan), usable / 3);
}
