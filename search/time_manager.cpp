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

double clockMargin(double timeLeft) { return std::clamp(timeLeft * 0.1, 0.02, 2.0); }

double clockMoveSeconds(const ClockSituation& situation) {
  const double left = std::max(0.0, situation.timeLeft);
  const double usable = left - clockMargin(left);
  if (usable <= ShortestPlan) return std::min(ShortestPlan, left / 4);
  double plan = usable / movesToPlan(situation.pieces) * phaseWeight(situation.pieces, situation.movesPlayed) +
                0.8 * situation.increment;
  if (situation.databaseChose) plan /= 4;
  // One move never takes more than a third of what may be spent.
  return std::min(std::max(plan, ShortestPlan), usable / 3);
}
