// The multi-line analysis: distinct first moves ordered by value, the first line as good as
// the single-line search, forced moves and exact endings, and the stop.
#include <gtest/gtest.h>
#include <atomic>
#include <chrono>
#include <set>
#include <thread>
#include "engine/fen.h"
#include "search/multi_line.h"
#include "search_support.h"

namespace {

Position positionOf(const std::string& fen) { return fromFen(fen).position; }

const char* const MiddleGames[] = {
    "W:W21,22,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,11,12",
    "B:W18,21,22,23,24,25,26,27,28,29,30,31:B1,2,3,4,5,6,7,8,9,10,11,12",
    "W:W21,29:B1,2",  // two moves only
    "B:W19,22,24,25,26,27,28,29,31,32:B1,2,3,4,6,8,9,10,11,12",
};

}  // namespace

TEST(MultiLine, GivesTheBestDistinctFirstMovesInOrderAndNoMoreThanTheLegalOnes) {
  holdThreePieceDatabase();
  for (const char* fen : MiddleGames) {
    const Position root = positionOf(fen);
    const int legal = MoveList(root).size();
    for (int lines : {1, 3, 5}) {
      const auto found = analyseLines(testEngine(), root, lines, {6, 0});
      ASSERT_EQ((int)found.size(), std::min(lines, legal)) << fen;
      std::set<std::string> firsts;
      for (size_t i = 0; i < found.size(); ++i) {
        char text[6] = {};
        found[i].moves.at(0).writeNotation(text);
        firsts.insert(text);
        EXPECT_EQ(found[i].depth, 6);
        EXPECT_FALSE(found[i].moves.empty());
        if (i > 0) {
          EXPECT_GE(found[i - 1].value, found[i].value) << fen << " line " << i;
        }
      }
      EXPECT_EQ(firsts.size(), found.size()) << fen;
    }
  }
}

TEST(MultiLine, TheFirstLineIsWorthWhatTheSingleLineSearchFindsAtTheSameDepth) {
  holdThreePieceDatabase();
  for (const char* fen : MiddleGames) {
    const Position root = positionOf(fen);
    for (int depth = 1; depth <= 10; ++depth) {
      const Score single = testEngine().searchPosition(root, depth, Evaluation::Positional);
      const auto three = analyseLines(testEngine(), root, 3, {depth, 0});
      const auto one = analyseLines(testEngine(), root, 1, {depth, 0});
      // Shallow trees are searched alike; deeper, reductions and the table's history may move
      // a value by a few hundredths, never by a real difference.
      const int slack = depth <= 5 ? 0 : 10;
      EXPECT_NEAR(three.at(0).value, single, slack) << fen << " depth " << depth;
      EXPECT_NEAR(one.at(0).value, single, slack) << fen << " depth " << depth;
    }
  }
}

TEST(MultiLine, AForcedCaptureGivesOneLine) {
  // White must take c5xa7, its only capture; every other move is illegal.
  const Position root = positionOf("W:W14,20,21,22,25,27,29,30,31,32:B2,3,4,6,7,8,9,11,12,13");
  ASSERT_EQ(MoveList(root).size(), 1);
  const auto found = analyseLines(testEngine(), root, 3, {4, 0});
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].moves.at(0), MoveList(root)[0]);
  EXPECT_TRUE(analyseLines(testEngine(), positionOf("W:W:B1"), 3, {4, 0}).empty()) << "no move, no line";
}

// Two kings against a man: the database wins, and the line follows it to the end, its length
// the number of moves in "win in N"; the losing side sees the same count as a loss.
TEST(MultiLine, ADatabaseWinIsExactAndItsLineReachesTheEnd) {
  holdThreePieceDatabase();
  const Position root = positionOf("W:WK29,30:B24");
  const auto found = analyseLines(testEngine(), root, 3, {6, 0});
  ASSERT_FALSE(found.empty());
  const AnalysisLine& best = found[0];
  ASSERT_GT(best.exactMoves, 0) << "a database win is exact";
  EXPECT_EQ(best.exactMoves, (int)best.moves.size());
  Position end = root;
  for (const Move& move : best.moves) end = move.after;
  EXPECT_EQ(MoveList(end).size(), 0) << "the line ends where the loser has no move";
  for (size_t i = 1; i < found.size(); ++i) EXPECT_LE(found[i].exactMoves, 0) << "the other moves only draw";
  const auto reply = analyseLines(testEngine(), best.moves[0].after, 1, {6, 0});
  ASSERT_FALSE(reply.empty());
  EXPECT_EQ(reply[0].exactMoves, -(best.exactMoves - 1));
}

#if defined(NDEBUG) && !defined(__SANITIZE_THREAD__) && !defined(__SANITIZE_ADDRESS__)
constexpr double LateBy = 0.1;  // the seconds a search may overrun its time
#else
constexpr double LateBy = 1.0;  // sanitizers and debug code make every depth slower
#endif

TEST(MultiLine, ATimeLimitEndsTheSearchOnTimeWithEveryLineFromOneFinishedDepth) {
  const Position root = positionOf(MiddleGames[0]);
  analyseLines(testEngine(), root, 3, {1, 0});  // the table is made at the first search, not timed here
  for (double seconds : {0.001, 0.2}) {
    const auto start = std::chrono::steady_clock::now();
    const auto found = analyseLines(testEngine(), root, 3, {0, seconds});
    const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(took, seconds + LateBy);
    ASSERT_EQ(found.size(), 3u);
    for (const AnalysisLine& line : found) EXPECT_EQ(line.depth, found[0].depth);
  }
}

// A stop asked for while the time also runs out is still a stop: a review must end on it
// rather than go on to the next position.
TEST(MultiLine, AStopAskedForAsTheTimeRunsOutIsNotLost) {
  MultiLineRequest request;
  request.root = InitialPosition;
  request.limit.seconds = 1e-9;  // past by the time the first depth finishes
  testEngine().requestStop();
  const MultiLineResult result = searchLines(testEngine(), request);
  EXPECT_TRUE(result.stopped);
  EXPECT_EQ(result.best.lines.size(), 3u) << "the first depth still finishes";
  request.limit.seconds = 0.01;
  EXPECT_FALSE(searchLines(testEngine(), request).stopped) << "the stop was taken once";
  testEngine().clearStop();
}
