#include <gtest/gtest.h>
#include <random>
#include <thread>
#include "engine/clock.h"
#include "engine/movelist.h"
#include "search/search_engine.h"
#include "search/transposition_table.h"
#include "tests/engine/squares.h"
#include "tests/search/search_support.h"

namespace {

// Positions met in random games from the start, with the side to move.
std::vector<Position> randomGamePositions(int games, int plies, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<Position> positions;
  for (int g = 0; g < games; ++g) {
    Position p = InitialPosition;
    for (int ply = 0; ply < plies; ++ply) {
      MoveList moves(p);
      if (moves.size() == 0) break;
      p = moves[random() % moves.size()].after;
    }
    if (MoveList(p).size() > 1) positions.push_back(p);
  }
  return positions;
}

DecisionRequest requestFor(const Position& root, double seconds) {
  DecisionRequest request;
  request.root = root;
  for (const Move& move : MoveList(root)) request.moves.push_back(move);
  request.timeLimit = seconds;
  return request;
}

// The classic material search's score of every root move, the full window at `depth`.
std::vector<int> materialScores(const Position& root, int depth) {
  std::vector<int> scores;
  for (const Move& move : MoveList(root)) {
    resetTable(1.0);
    markRoot(root.white, root.black, root.kings, root.whiteToMove);
    scores.push_back(testSearcher().search.searchRootMove(move, -MaterialCount::Infinity, MaterialCount::Infinity, depth) /
                     ScoreMan);
  }
  return scores;
}

bool sameMove(const Move& a, const Move& b) { return a.from == b.from && a.after == b.after; }

// The positional search at a fixed depth, with noise in hundredths of a man drawn from `seed`.
SearchPlan positionalPlan(int depth = 0, int noise = 0, int threads = 1) {
  SearchPlan plan;
  plan.evaluation = Evaluation::Positional;
  plan.minDepth = plan.maxDepth = depth;
  plan.noise = noise;
  plan.threads = threads;
  return plan;
}

}  // namespace

// Where the material search sees one move win at least two men more than any other, a shot
// or a combination, the positional search must find it too, at a depth as small.
TEST(PositionalSearch, FindsTheShotsTheMaterialSearchProves) {
  DatabaseProbes off(0);
  int shots = 0;
  for (const Position& root : randomGamePositions(400, 24, 5)) {
    const std::vector<int> scores = materialScores(root, 5);
    int best = 0, second = SCORE_MIN;
    for (int i = 1; i < (int)scores.size(); ++i)
      if (scores[i] > scores[best]) best = i;
    for (int i = 0; i < (int)scores.size(); ++i)
      if (i != best) second = std::max(second, scores[i]);
    if (scores[best] < second + 2 || scores[best] >= SCORE_WIN) continue;
    ++shots;
    DecisionRequest request = requestFor(root, 100);
    request.probes = false;
    const DecisionResult result = testEngine().decide(request, positionalPlan(7));
    EXPECT_TRUE(sameMove(result.move, MoveList(root)[best])) << writeFen(root);
  }
  EXPECT_GE(shots, 5) << "too few shots among the positions to mean anything";
}

// In an ending the database knows, the decision keeps a win a win and a draw at least a draw.
TEST(PositionalSearch, DecisionsInDatabaseEndingsKeepTheDatabaseResult) {
  holdThreePieceDatabase();
  std::mt19937 random(3);
  int checked = 0;
  while (checked < 60) {
    SquareSet occupied = 0, white = 0, black = 0, kings = 0;
    for (int piece = 0; piece < 3; ++piece) {
      int square;
      do square = random() % 32; while (occupied & (SquareSet(1) << square));
      const SquareSet bit = SquareSet(1) << square;
      occupied |= bit;
      (piece == 0 || (piece == 2 && random() % 2) ? white : black) |= bit;
      if (random() % 2 || (bit & (WhiteKingRow | BlackKingRow))) kings |= bit;
    }
    const Position root(white, black, kings, random() % 2);
    const MoveList moves(root);
    const uint8_t status = endgameDatabase.statusOf(white, black, kings, root.whiteToMove);
    if (moves.size() < 2 || (status != StatusWin && status != StatusDraw)) continue;
    ++checked;
    const DecisionResult result = testEngine().decide(requestFor(root, 100), positionalPlan(8));
    const Position& after = result.move.after;
    const uint8_t reply = endgameDatabase.statusOf(after.white, after.black, after.kings, after.whiteToMove);
    EXPECT_EQ(reply, status == StatusWin ? StatusLoss : StatusDraw) << writeFen(root);
    if (status == StatusWin) EXPECT_GE(result.best, ScoreProven) << writeFen(root);
    else EXPECT_EQ(result.best, 0) << writeFen(root);
  }
}

TEST(PositionalSearch, RepeatingAPositionOfTheGameScoresADrawOnlyWhileNothingIrreversibleHappened) {
  // Two white kings against one: well ahead on the board, but the game went round in a circle
  // of king moves (A1-B2 and D8-E7 back and forth), and A1-B2 now closes it.
  const SquareSet black = squares("D8"), otherBlack = squares("E7");
  const Position root(squares("A1 H8"), black, squares("A1 H8 D8 E7"), true);
  const std::vector<Position> circle = {
      Position(squares("B2 H8"), black, squares("B2 H8 D8"), false),
      Position(squares("B2 H8"), otherBlack, squares("B2 H8 E7"), true),
      Position(squares("A1 H8"), otherBlack, squares("A1 H8 E7"), false),
  };
  Move step;
  for (const Move& move : MoveList(root))
    if (move.from == squares("A1") && move.to == squares("B2")) step = move;
  ASSERT_EQ(step.after, circle[0]);
  TranspositionTable table(16);
  StopControl stops;
  AlphaBeta<PositionalEvaluation> searcher(table, endgameDatabase, stops);
  searcher.setProbeLimit(0);  // the database knows two kings against one for a draw
  searcher.startDecision(root);
  EXPECT_GT(searcher.searchRootMove(step, -PositionalEvaluation::Infinity, PositionalEvaluation::Infinity, 3), 50) << "nothing repeated";
  searcher.startDecision(root, circle);
  EXPECT_EQ(searcher.searchRootMove(step, -PositionalEvaluation::Infinity, PositionalEvaluation::Infinity, 3), 0) << "the game's position repeated";
  // A man's move before the circle hides what came before it.
  std::vector<Position> broken = circle;
  broken.push_back(Position(squares("A1 H8 C3"), black, squares("A1 H8 D8"), true));
  searcher.startDecision(Position(squares("A1 H8 D4"), black, squares("A1 H8 D8"), false), broken);
  for (const Move& move : MoveList(Position(squares("A1 H8 D4"), black, squares("A1 H8 D8"), false)))
    EXPECT_NE(searcher.searchRootMove(move, -PositionalEvaluation::Infinity, PositionalEvaluation::Infinity, 1), 0);
}

TEST(PositionalDecision, EvenAHundredthOfASecondFinishesDepthFourAndStaysNearItsTime) {
  for (const Position& root : randomGamePositions(20, 16, 9)) {
    const DecisionResult result = testEngine().decide(requestFor(root, 0.01), positionalPlan());
    const int depth = result.aborted ? result.abortedDepth - 1 : result.completedDepth;
    EXPECT_GE(depth, PositionalFirstDepth) << writeFen(root);
    EXPECT_LT(result.elapsed, 0.25) << writeFen(root);
  }
}

// One thread or two: a stop asked of the search from another thread ends the decision soon,
// with at least depth four done and a legal move.
TEST(PositionalDecision, AStopFromAnotherThreadEndsEveryThreadOfTheDecision) {
  const Position root = randomGamePositions(1, 12, 4)[0];
  for (int threads : {1, 2}) {
    SearchEngine search(endgameDatabase);
    DecisionResult result;
    std::thread decider([&] { result = search.decide(requestFor(root, 1000), positionalPlan(0, 0, threads)); });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const double asked = wallClock();
    search.requestStop();
    decider.join();
    EXPECT_LT(wallClock() - asked, 1.0) << threads << " threads";
    EXPECT_GE(result.aborted ? result.abortedDepth - 1 : result.completedDepth, PositionalFirstDepth);
    bool legal = false;
    for (const Move& move : MoveList(root)) legal |= sameMove(move, result.move);
    EXPECT_TRUE(legal) << threads << " threads";
  }
}

TEST(PositionalDecision, TheSameSeedGivesTheSameNoisyChoiceAndNoiseChangesSome) {
  int changed = 0;
  for (const Position& root : randomGamePositions(30, 10, 21)) {
    DecisionRequest request = requestFor(root, 100);
    request.seed = 17;
    const Move first = testEngine().decide(request, positionalPlan(3, 60)).move;
    EXPECT_TRUE(sameMove(first, testEngine().decide(request, positionalPlan(3, 60)).move)) << writeFen(root);
    changed += !sameMove(first, testEngine().decide(request, positionalPlan(3)).move);
  }
  EXPECT_GT(changed, 0);
}
