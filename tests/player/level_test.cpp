#include <gtest/gtest.h>
#include "player/level.h"

// Each level only chooses a search plan; the time the player chose is scaled and capped by it.
TEST(Levels, EachLevelChoosesItsSearchPlan) {
  struct Case {
    Level level;
    Evaluation evaluation;
    int minDepth, maxDepth, noise, threads;
    double secondsForOne, secondsForTwo;
  } cases[] = {
      {Level::Beginner, Evaluation::Material, 2, 3, 50, 1, 0.5, 0.5},
      {Level::Casual, Evaluation::Positional, 4, 5, 8, 1, 1, 2},
      {Level::Classic, Evaluation::Material, 0, 0, 0, 1, 1, 2},
      {Level::Strong, Evaluation::Positional, 0, 0, 0, 1, 1, 2},
      {Level::Expert, Evaluation::Positional, 0, 0, 0, 2, 2, 4},
  };
  for (const Case& c : cases) {
    const SearchPlan plan = levelPlan(c.level);
    EXPECT_EQ(plan.evaluation, c.evaluation) << levelName(c.level);
    EXPECT_EQ(plan.minDepth, c.minDepth) << levelName(c.level);
    EXPECT_EQ(plan.maxDepth, c.maxDepth) << levelName(c.level);
    EXPECT_EQ(plan.noise, c.noise) << levelName(c.level);
    EXPECT_EQ(plan.threads, c.threads) << levelName(c.level);
    EXPECT_DOUBLE_EQ(levelSeconds(c.level, 1), c.secondsForOne) << levelName(c.level);
    EXPECT_DOUBLE_EQ(levelSeconds(c.level, 2), c.secondsForTwo) << levelName(c.level);
  }
}
