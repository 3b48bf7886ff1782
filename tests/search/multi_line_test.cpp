// The multi-line analysis: distinct first moves ordered by value, the first line as good as
// the single-line search, forced moves and exact endings, and the stop.
#include <gtest/gtest.h>
#include <atomic>
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
    "W:W14,20,21,22,25,27,29,30,31,32:B2,3,4,6,7,8,9,11,12,13",
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
