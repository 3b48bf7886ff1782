// The decision driver: its windows, re-searches and stopping rules give the values a plain
// full-window search gives, and a decision on the clock ends by itself at a proven result,
// at the depth cap, or for a single move once its sure iterations are done.
#include <gtest/gtest.h>
#include "engine/movelist.h"
#include "search/search_engine.h"
#include "tests/search/search_support.h"

namespace {

DecisionRequest requestAt(const Position& root, double seconds) {
  DecisionRequest request;
  request.root = root;
  for (const Move& move : MoveList(root)) request.moves.push_back(move);
  request.timeLimit = seconds;
  request.probes = false;  // results are proven by play, not read from the database
  return request;
}

SearchPlan planOf(Evaluation evaluation, int fixedDepth) {
  SearchPlan plan;
  plan.evaluation = evaluation;
  plan.minDepth = plan.maxDepth = fixedDepth;
  return plan;
}

}  // namespace

// A material depth counts the plies below the root moves: depth d is the root searched d + 1 deep.
TEST(DecisionDriver, AFixedMaterialDepthIsTheFullWindowValueOfTheRootOnePlyDeeper) {
  const char* const positions[] = {
      "W:W13,22,23,26,27,29,31,32:B1,3,4,5,6,12,14,15",
      "B:W13,19,22,24,26,27,29,30,31:B1,2,3,5,6,9,10,12,20",
      "W:W17,18,19,21,23,25,29,30:B1,3,4,8,9,10,12,14",
  };
  for (int depth : {2, 3, 6})
    for (const char* fen : positions) {
      const Position root = fromFen(fen).position;
      SearchEngine deciding(endgameDatabase), searching(endgameDatabase);
      const DecisionResult result = deciding.decide(requestAt(root, 100), planOf(Evaluation::Material, depth));
      EXPECT_EQ(result.completedDepth, depth) << fen;
      EXPECT_FALSE(result.aborted) << fen;
      EXPECT_EQ(result.best, searching.searchPosition(root, depth + 1, Evaluation::Material, false))
          << fen << " depth " << depth;
    }
}

// The value jumps from a count of men to a proven result far outside the window around the
// last iteration's value: the failed side is searched again, the result is exact, and the
// deepening ends there (a win), or once the loss stands without database probes.
TEST(DecisionDriver, OnTheClockTheMaterialSearchEndsAtAProvenResultWithItsFullWindowValue) {
  const Score Win = MaterialCount::databaseWin(0);
  const struct Case {
    const char* fen;
    Score value;
  } cases[] = {
      {"W:WK29,K30:B1", Win},          {"B:WK29,K30:B1", -Win},           {"W:WK18,K27,K32:B4,12", Win},
      {"B:WK10,K20,K30:B1,2", -Win},   {"W:W25:B5,K30", -Win},            {"W:W21,K30:BK4", 0},
  };
  for (const Case& c : cases) {
    const Position root = fromFen(c.fen).position;
    SearchEngine deciding(endgameDatabase), checking(endgameDatabase);
    const DecisionResult result = deciding.decide(requestAt(root, 100), SearchPlan{});
    EXPECT_FALSE(result.aborted) << c.fen;
    EXPECT_EQ(result.best, c.value) << c.fen;
    EXPECT_LT(result.elapsed, 50) << c.fen;
    if (c.value == 0) {
      EXPECT_EQ(result.completedDepth, MaxSearchDepth) << c.fen << ": only the depth cap ends a draw";
    }
    const DecisionResult fixed =
        checking.decide(requestAt(root, 100), planOf(Evaluation::Material, result.completedDepth));
    EXPECT_EQ(fixed.best, result.best) << c.fen << " depth " << result.completedDepth;
  }
}

// The positional search ends on a proven win or a single root move once its sure
// iterations are done, long before its time.
TEST(DecisionDriver, OnTheClockThePositionalSearchEndsAtAProvenWinOrASingleMoveAfterItsSureDepth) {
  const struct Case {
    const char* fen;
    bool proven;
  } cases[] = {{"W:WK29,K30:B1", true}, {"W:WK18,K27,K32:B4,12", true}, {"W:W22:B18", false}};
  for (const Case& c : cases) {
    const Position root = fromFen(c.fen).position;
    DecisionRequest request = requestAt(root, 100);
    SearchPlan plan;
    plan.evaluation = Evaluation::Positional;
    const DecisionResult result = testEngine().decide(request, plan);
    EXPECT_FALSE(result.aborted) << c.fen;
    EXPECT_LT(result.elapsed, 50) << c.fen;
    if (c.proven) {
      EXPECT_GE(result.best, ScoreProven) << c.fen;
      EXPECT_GE(result.completedDepth, PositionalFirstDepth) << c.fen;
    } else {
      ASSERT_EQ(request.moves.size(), 1u) << c.fen;
      EXPECT_EQ(result.completedDepth, PositionalFirstDepth) << c.fen;
    }
  }
}
