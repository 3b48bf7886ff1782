#include <gtest/gtest.h>
#include "search/shared_table.h"

// A proven result is kept as seen from its node, so that a position met at another ply
// reads the distance from there; other values are kept as they are.
TEST(SharedTable, ProvenResultsReadRightAtAnotherPlyAndOtherValuesAsStored) {
  SharedTable table(10);
  struct Case {
    Score stored;
    int storedPly, readPly;
    Score read;
  } cases[] = {{30000 - 7, 7, 3, 30000 - 3}, {-(29000 - 6), 6, 2, -(29000 - 2)}, {125, 5, 1, 125}, {-9999, 4, 9, -9999}};
  uint64_t hash = 0x9E3779B97F4A7C15ull;
  for (const Case& c : cases) {
    hash *= 3;
    table.store(table.find(hash), c.stored, 6, c.storedPly, BOUND_EXACT, 2);
    Score value = 0;
    ASSERT_TRUE(table.answers(table.find(hash), 6, c.readPly, -32000, -31999, value)) << c.stored;
    EXPECT_EQ(value, c.read) << c.stored;
    EXPECT_EQ(table.bestChild(table.find(hash)), 2);
  }
}

// Inside the principal variation, where the window is wider than one, the table never
// answers; elsewhere only an entry as deep as asked whose bound settles the window does.
TEST(SharedTable, OnlyDeepEnoughEntriesAnswerAndOnlyNullWindows) {
  SharedTable table(10);
  struct Case {
    Bound bound;
    int depth;
    Score alpha, beta;
    bool answers;
  } cases[] = {
      {BOUND_EXACT, 5, 10, 11, true},   {BOUND_EXACT, 5, 10, 12, false}, {BOUND_EXACT, 4, 10, 11, false},
      {BOUND_LOWER, 5, 49, 50, true},   {BOUND_LOWER, 5, 50, 51, false}, {BOUND_UPPER, 5, 50, 51, true},
      {BOUND_UPPER, 5, 49, 50, false},  {BOUND_UPPER, 9, 50, 51, true},
  };
  const uint64_t hash = 0x1234567890ABCDEFull;
  for (const Case& c : cases) {
    table.clear();
    table.store(table.find(hash), 50, c.depth, 3, c.bound, 0);
    Score value = 0;
    EXPECT_EQ(table.answers(table.find(hash), 5, 3, c.alpha, c.beta, value), c.answers)
        << c.bound << " depth " << c.depth << " window " << c.alpha << " " << c.beta;
    if (c.answers) {
      EXPECT_EQ(value, 50);
    }
  }
  table.clear();
  EXPECT_EQ(table.bestChild(table.find(hash)), -1) << "an empty slot names no move";
}
