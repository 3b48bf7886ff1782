#include <gtest/gtest.h>
#include <chrono>
#include "tests/search/search_support.h"

namespace {

const char* const InitialFen = "W:W21,22,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,11,12";

}  // namespace

TEST(Search, SideWithoutMovesHasLostButTheCaptureSearchCountsItsMaterial) {
  DatabaseProbes off(0);
  const struct {
    const char* fen;
    int material;
  } cases[] = {
      {"W:W29:B25,22", -1},  // a blocked man against two men
      {"B:W21,22:B", -2},    // no piece left
      {"W:W29,K32:BK25,22,27,23,28", -3},  // a man and a king, both blocked
  };
  for (const auto& c : cases) {
    resetTable(1.0);
    const SidePosition p = fromFen(c.fen);
    for (int depth : {1, 2, 7}) EXPECT_EQ(search(p, SCORE_MIN, SCORE_MAX, depth), -SCORE_WIN) << c.fen;
    EXPECT_EQ(quiescence(p.position.white, p.position.black, p.position.kings, p.whiteToMove, SCORE_MIN, SCORE_MAX),
              c.material)
        << c.fen;
  }
}

TEST(Search, PositionAlreadyOnThePathScoresADrawWithoutBeingSearched) {
  DatabaseProbes off(0);
  resetTable(1.0);
  const SidePosition root = fromFen("W:W21,22,23,24,25,26,27,28,29,30,31:B1,2,3,4,5,6,7,8,9,10,11,12");
  markRoot(root.position.white, root.position.black, root.position.kings, root.whiteToMove);
  resetSearchedNodes();
  EXPECT_EQ(search(root, -10, 10, 8), SCORE_DRAW);
  EXPECT_EQ(searchedNodes(), 1u);
  // The same board with the other side to move is another position.
  SidePosition other = root;
  other.whiteToMove = false;
  resetSearchedNodes();
  search(other, SCORE_MIN, SCORE_MAX, 2);
  EXPECT_GT(searchedNodes(), 1u);
}

TEST(Search, TableEntryDeepEnoughAnswersWithinTheWindow) {
  DatabaseProbes off(0);
  const SidePosition p = fromFen(InitialFen);
  const int Searched = 1000;  // the entry gives no answer: the value is that of a search without it
  const struct {
    const char* rule;
    uint8_t bound;
    int8_t value;
    uint8_t depth;
    int alpha, beta;
    int expected;
  } cases[] = {
      {"lower bound 30 at beta 20 returns beta", BOUND_LOWER, 30, 9, 10, 20, 20},
      {"upper bound -30 at alpha -20 returns alpha", BOUND_UPPER, -30, 9, -20, -10, -20},
      {"exact value returns itself", BOUND_EXACT, 17, 6, -124, 124, 17},
      {"an open entry is a repetition", BOUND_OPEN, 17, 6, -124, 124, 0},
      {"lower bound below beta is searched", BOUND_LOWER, 30, 9, 10, 40, Searched},
      {"upper bound above alpha is searched", BOUND_UPPER, -30, 9, -40, -10, Searched},
      {"an entry searched less deep is searched again", BOUND_EXACT, 17, 5, -124, 124, Searched},
  };
  for (const auto& c : cases) {
    resetTable(1.0);
    const int plain = search(p, c.alpha, c.beta, 6);
    resetTable(1.0);
    plantEntry(p, c.value, c.depth, (Bound)c.bound);
    EXPECT_EQ(search(p, c.alpha, c.beta, 6), c.expected == Searched ? plain : c.expected) << c.rule;
  }
}

TEST(Search, ValuesLeftInAnEmptiedTableAreNeverUsed) {
  DatabaseProbes off(0);
  const SidePosition p = fromFen(InitialFen);
  resetTable(1.0);
  plantEntry(p, 30, 40, BOUND_EXACT);
  resetTable(1.0);
  EXPECT_EQ(search(p, SCORE_MIN, SCORE_MAX, 4), 0);
}

TEST(Search, DatabaseDecidesWinsAndLossesAtOnce) {
  holdThreePieceDatabase();
  DatabaseProbes on(3);
  const struct {
    const char* fen;
    int score;
  } cases[] = {
      {"W:WK29:B25", SCORE_WIN},      // the king takes the last man
      {"B:W25:BK29", SCORE_WIN},      // the same for Black
      {"W:W29:B25,22", -SCORE_WIN},   // a blocked man
  };
  for (const auto& c : cases) {
    const SidePosition p = fromFen(c.fen);
    const uint8_t status = endgameDatabase.statusOf(p.position.white, p.position.black, p.position.kings, p.whiteToMove);
    ASSERT_EQ(status, c.score > 0 ? StatusWin : StatusLoss) << c.fen;
    for (int window : {124, 10, 1}) {
      resetTable(1.0);
      resetSearchedNodes();
      EXPECT_EQ(search(p, -window, window, 7), c.score) << c.fen << " window " << window;
      EXPECT_EQ(searchedNodes(), 1u) << c.fen;
    }
  }
}

TEST(Search, DrawnEndingNearTheHorizonIsSearchedOnePly) {
  holdThreePieceDatabase();
  DatabaseProbes on(3);
  const SidePosition p = fromFen("W:WK29,K32:BK1");  // two kings against one
  ASSERT_EQ(endgameDatabase.statusOf(p.position.white, p.position.black, p.position.kings, true), StatusDraw);
  auto nodesAtDepth = [&](int depth) {
    resetTable(1.0);
    resetSearchedNodes();
    EXPECT_EQ(search(p, SCORE_MIN, SCORE_MAX, depth), 3) << "material after one ply, depth " << depth;
    return searchedNodes();
  };
  const uint64_t onePly = nodesAtDepth(1);
  EXPECT_EQ(nodesAtDepth(3), onePly);
  EXPECT_EQ(nodesAtDepth(5), onePly);
  EXPECT_EQ(entryOf(p).depth, 1);
  EXPECT_GT(nodesAtDepth(6), onePly) << "from depth 6 a drawn ending is searched normally";
}

TEST(Search, SearchToDepthTwelveFinishes) {
  DatabaseProbes off(0);
  const char* positions[] = {
      InitialFen,
      "W:W13,22,23,26,27,29,31,32:B1,3,4,5,6,12,14,15",
      "B:W17,18,21,22,23,25,26,27,29,30:B1,2,3,5,6,7,9,10,11,13",
      "W:WK29,K31,21,22:BK4,K2,9,10",
      "B:WK1,K29:BK4,K32,K15",
  };
  for (const char* fen : positions) {
    const SidePosition p = fromFen(fen);
    resetTable(1.0);
    const auto start = std::chrono::steady_clock::now();
    const int score = search(p, SCORE_MIN, SCORE_MAX, 12);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GE(score, -SCORE_WIN) << fen;
    EXPECT_LE(score, SCORE_WIN) << fen;
    EXPECT_LT(seconds, 20.0) << fen;
  }
}
