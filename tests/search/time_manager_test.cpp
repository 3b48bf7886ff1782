// The computer's time on a clock, over many simulated situations.
#include <gtest/gtest.h>
#include <algorithm>
#include <random>
#include "search/time_manager.h"

TEST(TimeManager, NeverPlansPastTheTimeLeftAndKeepsAMargin) {
  std::mt19937 random(12345);
  std::uniform_real_distribution<double> timeLeft(0, 600), increment(0, 10);
  std::uniform_int_distribution<int> plies(0, 200), pieces(2, 24);
  for (int i = 0; i < 200000; ++i) {
    ClockSituation s;
    s.timeLeft = i % 3 == 0 ? timeLeft(random) / 500 : timeLeft(random);  // many nearly empty clocks
    s.increment = i % 2 ? increment(random) : 0;
    s.movesPlayed = plies(random);
    s.pieces = pieces(random);
    s.databaseChose = i % 5 == 0;
    const double plan = clockMoveSeconds(s);
    ASSERT_GE(plan, 0);
    // The reserve stays on the clock, and a move takes at most a third of the rest.
    ASSERT_LE(plan, (s.timeLeft - clockReserve(s.timeLeft, s.increment)) / 3 + 1e-12) << s.timeLeft;
    if (s.timeLeft < 1) {  // a nearly empty clock
      ASSERT_LE(plan, s.timeLeft / 12 + 1e-12) << s.timeLeft;
    }
  }
}

TEST(TimeManager, SimulatedGamesOnAClockNeverRunOut) {
  // The search may run a little past its plan, and a busy machine now and then a lot.
  struct Case {
    double game, increment, overshoot, stall;
  } cases[] = {{10, 0.1, 0.01, 0.5}, {10, 0, 0.01, 0}, {60, 0, 0.02, 0}, {300, 3, 0.05, 2}, {1, 0, 0.002, 0},
               {10, 0.1, 0.02, 0.8}};
  for (const Case& c : cases) {
    double left = c.game;
    for (int move = 0; move < 150; ++move) {  // longer than any real game
      ClockSituation s;
      s.timeLeft = left;
      s.increment = c.increment;
      s.movesPlayed = 2 * move;
      s.pieces = std::max(2, 24 - move / 4);
      left -= clockMoveSeconds(s) + c.overshoot * (left > 0.2) + (move % 25 == 24 ? c.stall : 0);
      ASSERT_GT(left, 0) << c.game << "+" << c.increment << " ran out at move " << move;
      left += c.increment;
    }
  }
}

TEST(TimeManager, ThinksLongerInTheMiddleGameAndShorterWhenTheDatabaseChose) {
  ClockSituation opening{300, 0, 2, 24, false}, middle{300, 0, 40, 14, false}, ending{300, 0, 80, 6, false};
  EXPECT_GT(clockMoveSeconds(middle), clockMoveSeconds(opening));
  EXPECT_GT(clockMoveSeconds(middle), clockMoveSeconds(ending));
  ClockSituation decided = ending;
  decided.databaseChose = true;
  EXPECT_LT(clockMoveSeconds(decided), clockMoveSeconds(ending));
  ClockSituation withIncrement = middle;
  withIncrement.increment = 3;
  EXPECT_GT(clockMoveSeconds(withIncrement), clockMoveSeconds(middle));
}
