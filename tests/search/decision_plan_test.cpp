#include <gtest/gtest.h>
#include <set>
#include "engine/fen.h"
#include "engine/movelist.h"
#include "search/search_engine.h"
#include "tests/search/search_support.h"

namespace {

const char* const MiddleGames[] = {
    "W:W13,22,23,26,27,29,31,32:B1,3,4,5,6,12,14,15",
    "B:W13,19,22,24,26,27,29,30,31:B1,2,3,5,6,9,10,12,20",
    "W:W17,21,22,23,25,26,27,29,30,31:B1,2,3,5,6,7,9,10,11,14",
};

DecisionRequest requestAt(const char* fen, uint32_t seed) {
  DecisionRequest request;
  request.root = fromFen(fen).position;
  for (const Move& move : MoveList(request.root)) request.moves.push_back(move);
  request.timeLimit = 100;
  request.seed = seed;
  return request;
}

SearchPlan fixedPlan(Evaluation evaluation, int minDepth, int maxDepth, int noise) {
  SearchPlan plan;
  plan.evaluation = evaluation;
  plan.minDepth = minDepth;
  plan.maxDepth = maxDepth;
  plan.noise = noise;
  return plan;
}

}  // namespace

TEST(SearchPlan, TheTimeIsScaledByTheFactorAndCappedByTheMaximum) {
  struct Case {
    double factor, cap, chosen, expected;
  } cases[] = {{1, 0, 3, 3}, {2, 0, 3, 6}, {1, 0.5, 0.2, 0.2}, {1, 0.5, 3, 0.5}, {2, 0.5, 0.2, 0.4}, {2, 0.5, 0.3, 0.5}};
  for (const Case& c : cases) {
    SearchPlan plan;
    plan.timeFactor = c.factor;
    plan.maxSeconds = c.cap;
    EXPECT_DOUBLE_EQ(planSeconds(plan, c.chosen), c.expected) << c.factor << " " << c.cap << " " << c.chosen;
  }
}

// The depth of a fixed-depth plan comes from the request's seed: within the plan's range,
// every value of it in time, and the same again for the same seed.
TEST(SearchEngineDecision, AFixedDepthIsDrawnFromThePlansRangeAndRepeatsForTheSameSeed) {
  for (Evaluation evaluation : {Evaluation::Material, Evaluation::Positional}) {
    const SearchPlan plan = fixedPlan(evaluation, 2, 4, 0);
    std::set<int> depths;
    for (uint32_t seed = 0; seed < 24; ++seed) {
      const DecisionResult first = testEngine().decide(requestAt(MiddleGames[0], seed), plan);
      const DecisionResult again = testEngine().decide(requestAt(MiddleGames[0], seed), plan);
      EXPECT_GE(first.completedDepth, 2) << seed;
      EXPECT_LE(first.completedDepth, 4) << seed;
      EXPECT_EQ(first.completedDepth, again.completedDepth) << seed;
      EXPECT_EQ(first.move, again.move) << seed;
      depths.insert(first.completedDepth);
    }
    EXPECT_EQ(depths.size(), 3u) << (int)evaluation;
  }
}

// The material count moves in whole men, so half a man of noise can only break ties: the
// chosen move always has the best value, whatever the seed.
TEST(SearchEngineDecision, HalfAManOfNoiseOnTheMaterialCountOnlyChoosesAmongTheBestMoves) {
  for (const char* fen : MiddleGames) {
    DecisionRequest request = requestAt(fen, 0);
    Score bestValue = -MaterialCount::Infinity;
    for (const Move& move : request.moves) {
      resetTable(1.0);
      markRoot(request.root.white, request.root.black, request.root.kings, request.root.whiteToMove);
      bestValue = std::max(bestValue, testSearcher().search.searchRootMove(move, -MaterialCount::Infinity,
                                                                           MaterialCount::Infinity, 4));
    }
    for (uint32_t seed = 0; seed < 8; ++seed) {
      request.seed = seed;
      const DecisionResult result = testEngine().decide(request, fixedPlan(Evaluation::Material, 3, 3, ScoreMan / 2));
      EXPECT_EQ(result.best, bestValue) << fen << " seed " << seed;
      EXPECT_EQ(result.best % ScoreMan, 0) << fen;
    }
  }
}

// Every value the material search gives is a whole number of men in hundredths, also at the
// ends of narrow windows.
TEST(SearchEngine, MaterialValuesAreWholeMenAndNodesAddUpUntilReset) {
  SearchEngine engine(endgameDatabase);
  uint64_t expected = 0;
  for (const char* fen : MiddleGames) {
    const Position position = fromFen(fen).position;
    const uint64_t before = engine.nodes();
    EXPECT_EQ(engine.searchPosition(position, 7, Evaluation::Material, false) % ScoreMan, 0) << fen;
    EXPECT_GT(engine.nodes(), before);
    expected = engine.nodes();
  }
  EXPECT_EQ(engine.nodes(), expected);
  engine.resetNodes();
  EXPECT_EQ(engine.nodes(), 0u);
}

// The same search twice from an emptied table gives the same value and the same count.
TEST(SearchEngine, SearchingAPositionStartsFromAnEmptiedTableEachTime) {
  SearchEngine engine(endgameDatabase);
  for (Evaluation evaluation : {Evaluation::Material, Evaluation::Positional}) {
    const Position position = fromFen(MiddleGames[1]).position;
    engine.resetNodes();
    const Score first = engine.searchPosition(position, 8, evaluation, false);
    const uint64_t nodes = engine.nodes();
    engine.resetNodes();
    EXPECT_EQ(engine.searchPosition(position, 8, evaluation, false), first);
    EXPECT_EQ(engine.nodes(), nodes);
  }
}
