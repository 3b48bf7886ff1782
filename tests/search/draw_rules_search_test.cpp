#include <gtest/gtest.h>
#include "engine/movelist.h"
#include "search/draw_rule_line.h"
#include "search/search_engine.h"
#include "tests/engine/squares.h"
#include "tests/search/search_support.h"

namespace {

DecisionRequest requestAt(const Position& root, const DrawState& draws) {
  DecisionRequest request;
  request.root = root;
  for (const Move& move : MoveList(root)) request.moves.push_back(move);
  request.timeLimit = 0.2;
  request.probes = false;  // the search alone, whatever database the test program holds
  request.draws = draws;
  return request;
}

// The classic and the strong decision's best score, and whether each is a proven win.
struct Verdicts {
  Score classic, strong;
  bool classicWins() const { return isProvenScore(classic) && classic > 0; }
  bool strongWins() const { return isProvenScore(strong) && strong > 0; }
};

Verdicts decideBoth(const Position& root, const DrawState& draws) {
  SearchPlan positional;
  positional.evaluation = Evaluation::Positional;
  Verdicts v;
  v.classic = testEngine().decide(requestAt(root, draws), SearchPlan{}).best;
  v.strong = testEngine().decide(requestAt(root, draws), positional).best;
  return v;
}

TEST(DrawRulesSearch, OneMoveBeforeTheKingsOnlyCountRunsOutBothEnginesSeeADrawUnlessTheyWinAtOnce) {
  DrawState fresh, lastMove;
  lastMove.kingsOnly = 39;
  // Three kings against two, and no capture: far ahead, but every move ends the count.
  const Position ahead(squares("A1 C1 E1"), squares("F8 H8"), squares("A1 C1 E1 F8 H8"), true);
  const Verdicts counted = decideBoth(ahead, lastMove);
  EXPECT_EQ(counted.classic, 0);
  EXPECT_EQ(counted.strong, 0);
  const Verdicts open = decideBoth(ahead, fresh);
  EXPECT_GT(open.classic, 0);
  EXPECT_GT(open.strong, 0);
  // A1xC3xF6 takes Black's last pieces: a win on this very move.
  const Position winning(squares("A1 E1 G1"), squares("C3 F6"), squares("A1 E1 G1 C3 F6"), true);
  const Verdicts won = decideBoth(winning, lastMove);
  EXPECT_TRUE(won.classicWins()) << won.classic;
  EXPECT_TRUE(won.strongWins()) << won.strong;
}

TEST(DrawRulesSearch, OneMoveBeforeTheFiveMoveCountRunsOutTwoKingsAgainstOneAreADraw) {
  const Position twoKings(squares("A1 C1"), squares("H8"), squares("A1 C1 H8"), true);
  DrawState lastMove = drawStateAt(twoKings);
  lastMove.twoAgainstKing = 9;
  const Verdicts counted = decideBoth(twoKings, lastMove);
  EXPECT_EQ(counted.classic, 0);
  EXPECT_EQ(counted.strong, 0);
}

// Plies of the database's line from `p` until the side to move has no move.
int databaseLinePlies(Position p) {
  for (int plies = 0; plies < 200; ++plies) {
    if (MoveList(p).size() == 0) return plies;
    SquareSet white = p.white, black = p.black, kings = p.kings, from = 0;
    const uint8_t status = p.whiteToMove ? endgameDatabase.probeWhiteToMove(white, black, kings, from)
                                         : endgameDatabase.probeBlackToMove(white, black, kings, from);
    if (status != StatusWin && status != StatusLoss) return -1;
    p = Position(white, black, kings, !p.whiteToMove);
  }
  return -1;
}

TEST(DrawRulesSearch, ADatabaseWinCountsOnlyIfItsLineEndsInsideTheCount) {
  holdThreePieceDatabase();
  // A king and a king or a man against a lone king, won by the database in three plies or more.
  Position won;
  int plies = 0;
  for (int a = 0; a < 32 && plies < 3; ++a)
    for (int b = 0; b < 32 && plies < 3; ++b)
      for (int k = 0; k < 32 && plies < 3; ++k) {
        if (a == b || a == k || b == k || (SquareSet(1) << b & WhiteKingRow)) continue;
        const Position p((SquareSet(1) << a) | (SquareSet(1) << b), SquareSet(1) << k,
                         (SquareSet(1) << a) | (SquareSet(1) << k), true);
        if (endgameDatabase.statusOf(p.white, p.black, p.kings, true) != StatusWin) continue;
        const int length = databaseLinePlies(p);
        if (length >= 3 && length <= 9) {
          won = p;
          plies = length;
        }
      }
  ASSERT_GE(plies, 3) << "no such position in the database";
  DrawState draws = drawStateAt(won);
  ASSERT_EQ(draws.twoAgainstKing, 0);
  draws.twoAgainstKing = (uint8_t)(10 - plies);  // the line ends on the count's last ply
  EXPECT_EQ(statusWithinCounts(endgameDatabase, won, draws, StatusWin), StatusWin);
  draws.twoAgainstKing = (uint8_t)(10 - plies + 1);  // one ply short
  EXPECT_EQ(statusWithinCounts(endgameDatabase, won, draws, StatusWin), StatusDraw);
}

}  // namespace
