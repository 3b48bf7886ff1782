#include <gtest/gtest.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include "enddb/database.h"
#include "engine/fen.h"
#include "engine/movelist.h"
#include "game/game.h"
#include "tests/game/fakes.h"
#include "tests/support/scratch_directory.h"
#include "tools/match/match_openings.h"
#include "tools/match/match_play.h"
#include "tools/match/match_summary.h"

namespace {

using R = GameResultForWhite;

TEST(MatchSummary, ResultsCountFromTheFirstEnginesSideWhicheverColourItHad) {
  const struct {
    R result;
    bool firstIsWhite;
    int wins, draws, losses;
  } cases[] = {
      {R::WhiteWins, true, 1, 0, 0}, {R::WhiteWins, false, 0, 0, 1}, {R::BlackWins, true, 0, 0, 1},
      {R::BlackWins, false, 1, 0, 0}, {R::Draw, true, 0, 1, 0},      {R::Draw, false, 0, 1, 0},
  };
  for (const auto& c : cases) {
    MatchTally tally;
    countGame(tally, c.result, c.firstIsWhite);
    EXPECT_EQ(tally.wins, c.wins) << resultText(c.result) << " first white " << c.firstIsWhite;
    EXPECT_EQ(tally.draws, c.draws) << resultText(c.result) << " first white " << c.firstIsWhite;
    EXPECT_EQ(tally.losses, c.losses) << resultText(c.result) << " first white " << c.firstIsWhite;
  }
}

TEST(MatchSummary, ScoreEloAndTheIntervalFromTheSpreadOfGameScores) {
  const double inf = INFINITY;
  const struct {
    int wins, draws, losses;
    double score, elo, low, high;
  } cases[] = {
      {75, 0, 25, 0.75, 190.85, 119.21, 281.52},
      {60, 30, 10, 0.75, 190.85, 134.36, 258.45},  // draws narrow the interval at the same score
      {30, 40, 30, 0.5, 0, -53.16, 53.16},
      {50, 0, 50, 0.5, 0, -68.99, 68.99},
      {0, 10, 0, 0.5, 0, 0, 0},                    // no spread at all
      {10, 0, 0, 1, inf, inf, inf},
      {0, 0, 10, 0, -inf, -inf, -inf},
      {1, 0, 1, 0.5, 0, -inf, inf},                // an interval wider than the whole range
      {9, 1, 0, 0.95, 511.50, 311.10, inf},
  };
  for (const auto& c : cases) {
    const EloEstimate e = estimateElo({c.wins, c.draws, c.losses});
    const std::string name = std::to_string(c.wins) + "/" + std::to_string(c.draws) + "/" + std::to_string(c.losses);
    EXPECT_NEAR(e.score, c.score, 1e-9) << name;
    for (const auto& [got, want] : {std::pair{e.elo, c.elo}, {e.low, c.low}, {e.high, c.high}}) {
      ASSERT_FALSE(std::isnan(got)) << name;
      if (std::isinf(want)) EXPECT_EQ(got, want) << name;
      else EXPECT_NEAR(got, want, 0.01) << name;
    }
  }
}

TEST(MatchSummary, EloTextSignsEveryFigureAndNamesInfinity) {
  const struct {
    double elo;
    const char* text;
  } cases[] = {{190.8485, "+190.8"}, {-35.04, "-35.0"}, {0, "+0.0"}, {-0.01, "+0.0"},
               {INFINITY, "+inf"},   {-INFINITY, "-inf"}};
  for (const auto& c : cases) EXPECT_EQ(eloText(c.elo), c.text) << c.elo;
}

TEST(MatchPairing, EachOpeningTwiceFirstEngineWhiteThenBlackThenTheOrderAgain) {
  const struct {
    long long index;
    int openings;
    int opening;
    bool firstIsWhite;
  } cases[] = {
      {0, 3, 0, true}, {1, 3, 0, false}, {2, 3, 1, true}, {3, 3, 1, false}, {5, 3, 2, false},
      {6, 3, 0, true}, {7, 3, 0, false}, {13, 3, 0, false}, {0, 1, 0, true}, {3, 1, 0, false},
      {299, 150, 149, false}, {300, 150, 0, true},
  };
  for (const auto& c : cases) {
    const MatchPairing p = pairingOf(c.index, c.openings);
    EXPECT_EQ(p.opening, c.opening) << "game " << c.index << " of " << c.openings << " openings";
    EXPECT_EQ(p.firstIsWhite, c.firstIsWhite) << "game " << c.index << " of " << c.openings << " openings";
  }
}

// Two computers at the classic level from `start`: the match's engines are a game setup's sides.
GameSetup classicAgainstClassic(const Position& start) {
  GameSetup setup;
  setup.start = start;
  setup.white = setup.black = computerSide(Level::Classic, 0.01);
  return setup;
}

TEST(MatchGame, EndsAsTheGameEndsItOrAsADrawAtThePlyLimit) {
  const EndgameDatabase none;  // the search alone decides
  const struct {
    const char* fen;
    int limit;
    GameEnding ending;
    R result;
    int plies;
  } cases[] = {
      {"W:W22:B18", 300, GameEnding::NoMove, R::WhiteWins, 1},  // c3 takes the last black man
      {"B:W22:B18", 300, GameEnding::NoMove, R::BlackWins, 1},
      {"W:W22:B18", 1, GameEnding::NoMove, R::WhiteWins, 1},   // the end on the last ply is the real end
      {"W:W21-32:B1-12", 10, GameEnding::PlyLimit, R::Draw, 10},
      {"W:W21-32:B1-12", 1, GameEnding::PlyLimit, R::Draw, 1},
  };
  for (const auto& c : cases) {
    Position start;
    std::string error;
    ASSERT_TRUE(parseFen(c.fen, start, error)) << c.fen << ": " << error;
    const MatchGameResult r = playMatchGame(classicAgainstClassic(start), none, c.limit);
    const std::string name = std::string(c.fen) + " limit " + std::to_string(c.limit);
    EXPECT_EQ(endingText(r.ending), std::string(endingText(c.ending))) << name;
    EXPECT_EQ(resultText(r.result), std::string(resultText(c.result))) << name;
    EXPECT_EQ(r.plies, c.plies) << name;
  }
}

// A move the game does not have changes nothing and the game waits: the match must call that a
// fault of the side to move, not a loss for having no move.
TEST(MatchGame, AnEngineThatHandsAnIllegalMoveStallsTheGameAndLosesIt) {
  auto* white = new ScriptedPlayer;
  auto* black = new ScriptedPlayer;
  white->onTurn = [](ScriptedPlayer& player) { player.play("C3-D4"); };
  black->onTurn = [](ScriptedPlayer& player) {
    Move foreign = player.game->moves()[0];
    foreign.after.kings ^= foreign.to;  // crowns a man on the way: no such move
    player.game->playMove(foreign);
  };
  Game game(white, black);
  game.startGame();
  const MatchGameResult stalled = matchResultOf(game, false);
  EXPECT_EQ(endingText(stalled.ending), std::string("stalled"));
  EXPECT_EQ(stalled.result, R::WhiteWins);
  EXPECT_EQ(stalled.plies, 1);
  // The same game stopped by the ply limit is a draw; one ended by the game keeps its result.
  EXPECT_EQ(matchResultOf(game, true).result, R::Draw);
  game.resign();
  EXPECT_EQ(endingText(matchResultOf(game, false).ending), std::string("no-move"));
  EXPECT_EQ(matchResultOf(game, false).result, R::WhiteWins);
}

TEST(MatchGame, ALossOnTimeIsCountedForTheWinnerWithTheTimeEachClockRan) {
  GameSetup setup;
  setup.white.clock = setup.black.clock = {10, 1};
  ScriptedPlayer *white = new ScriptedPlayer, *black = new ScriptedPlayer;
  Game game(setup, white, black);
  double now = 0;
  game.clockTime = [&] { return now; };
  game.startGame();
  now = 3;
  white->play("C3-D4");  // White ran 3 s and gains 1
  now = 14;
  black->play("F6-G5");  // handed in after Black's 10 s: Black loses
  const MatchGameResult r = matchResultOf(game, false);
  EXPECT_EQ(endingText(r.ending), std::string("time"));
  EXPECT_EQ(r.result, R::WhiteWins);
  EXPECT_EQ(r.plies, 1);
  EXPECT_EQ(r.movesChosen[0], 1);
  EXPECT_EQ(r.movesChosen[1], 0);
  EXPECT_DOUBLE_EQ(r.secondsUsed[0], 3);
  EXPECT_DOUBLE_EQ(r.secondsUsed[1], 10);
}

TEST(MatchGame, TwoLoneKingsRepeatAndAgreeADraw) {
  const EndgameDatabase none;
  Position start;
  std::string error;
  ASSERT_TRUE(parseFen("W:WK32:BK1", start, error)) << error;
  MatchRules rules;
  rules.drawRules = false;  // else the 5-move count ends the game before the offer
  const MatchGameResult r = playMatchGame(classicAgainstClassic(start), none, MatchPlyLimit, rules);
  EXPECT_EQ(endingText(r.ending), std::string("draw-agreed"));
  EXPECT_EQ(r.result, R::Draw);
  EXPECT_LT(r.plies, MatchPlyLimit);
}

TEST(MatchGame, WithoutDrawOffersTwoLoneKingsEndByADrawRuleThatTheLineNames) {
  const EndgameDatabase none;
  Position start;
  std::string error;
  ASSERT_TRUE(parseFen("W:WK32:BK1", start, error)) << error;
  MatchRules rules;
  rules.drawOffers = false;
  const MatchGameResult r = playMatchGame(classicAgainstClassic(start), none, MatchPlyLimit, rules);
  const std::string ending = endingText(r.ending);
  EXPECT_TRUE(ending == "two-against-king" || ending == "repetition") << ending;
  EXPECT_EQ(r.result, R::Draw);
  EXPECT_LE(r.plies, 10);  // the 5-move count runs from the first position
  // Without the rules nor offers only the ply limit ends it.
  rules.drawRules = false;
  const MatchGameResult endless = playMatchGame(classicAgainstClassic(start), none, 30, rules);
  EXPECT_EQ(endingText(endless.ending), std::string("ply-limit"));
  EXPECT_EQ(endless.plies, 30);
}

TEST(MatchOpenings, ShippedFileHoldsAtLeast150DistinctQuietOpeningsOf2To6Plies) {
  std::vector<Opening> openings;
  std::string error;
  ASSERT_TRUE(readOpeningsFile(SHIPPED_OPENINGS, openings, error)) << error;
  EXPECT_GE(openings.size(), 150u);
  std::set<Position> seen;
  for (const Opening& o : openings) {
    const std::string where = "line " + std::to_string(o.line) + ": " + writeFen(o.start);
    EXPECT_GE(o.plies, 2) << where;
    EXPECT_LE(o.plies, 6) << where;
    EXPECT_TRUE(seen.insert(o.start).second) << where << " repeats an earlier opening's position";
    const MoveList moves(o.start);
    ASSERT_GT(moves.size(), 0) << where;
    EXPECT_EQ(moves[0].captured, 0u) << where << " starts halfway through an exchange";
  }
}

TEST(MatchOpenings, LinesReadAsMovesOrAsAFenAndBadOnesNameTheirLineAndFault) {
  const struct {
    const char* name;
    const char* text;
    bool good;
    const char* expected;  // the opening's FEN, or a piece of the error
  } cases[] = {
      {"moves", "c3-d4 f6-g5\n", true, "W:W18,21,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,12,16"},
      {"numbered moves and comments", "# header\n\n1. c3-d4 1... f6-g5 # after a move\n", true,
       "W:W18,21,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,12,16"},
      {"numeric and upper case", "22-18 F6-E5\n", true, "W:W18,21,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,12,15"},
      {"a FEN", "B:W18,22:B5\n", true, "B:W18,22:B5"},
      {"an alphanumeric FEN", "W:Wd4,Kc3:Ba7\n", true, "W:W18,K22:B5"},
      {"illegal move", "c3-d4\nc3-d4 c3-d4\n", false, ":2: after 1 plies: illegal move"},
      {"not a move", "c3-d4 hello\n", false, ":1: after 1 plies: "},
      // Two captures of the king on e3 end on d2; the short form names neither.
      {"ambiguous capture",
       "c3-b4 b6-a5 b4-c5 d6xb4 a3xc5 f6-e5 b2-a3 c7-b6 c1-b2 b6xd4 e3xc5 b8-c7 g3-h4 c7-d6 h4-g5 d6xb4 a3xc5 "
       "h6xf4 f2-g3 g7-f6 g3-h4 a7-b6 c5xa7 e7-d6 d2-e3 f4xd2 e1xc3 d8-c7 c3-b4 a5xc3 b2xd4 e5xc3 a7-b8 f6-e5 "
       "b8-a7 f8-e7 g1-f2 e7-f6 a7-e3 e5-f4 e3xd2\n",
       false, ":1: after 40 plies: ambiguous move"},
      {"bad FEN", "# openings\nW:W33:B1\n", false, ":2: "},
      {"a FEN that cannot start a game", "W:W21-32:B1-13\n", false, ":1: 13 black pieces"},
      {"no move for the side to move", "B:W30,31:B26\n", false, ":1: the side to move has no move"},
      {"empty file", "", false, ": no opening in the file"},
      {"only comments", "# none\n   \n", false, ": no opening in the file"},
  };
  for (const auto& c : cases) {
    ScratchDirectory folder;
    const std::string path = folder.path + "/openings.txt";
    std::ofstream(path) << c.text;
    std::vector<Opening> openings;
    std::string error;
    const bool read = readOpeningsFile(path, openings, error);
    ASSERT_EQ(read, c.good) << c.name << ": " << error;
    if (c.good) {
      ASSERT_EQ(openings.size(), 1u) << c.name;
      EXPECT_EQ(writeFen(openings[0].start), c.expected) << c.name;
      continue;
    }
    EXPECT_EQ(error.rfind(path, 0), 0u) << c.name << ": " << error;
    EXPECT_NE(error.find(c.expected), std::string::npos) << c.name << ": " << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << c.name << ": " << error;
  }
}

}  // namespace

TEST(MatchOpenings, TheCopyBesideTheProgramComesBeforeTheSourceTrees) {
  ScratchDirectory tree;
  ASSERT_FALSE(tree.path.empty());
  ASSERT_EQ(std::system(("mkdir -p '" + tree.path + "/prefix/bin' '" + tree.path + "/prefix/share/tarvenn'").c_str()), 0);
  const std::string installed = tree.path + "/prefix/share/tarvenn/openings.txt";
  std::ofstream(installed) << "22-18 11-15\n";
  FileEnvironment environment;
  environment.programFolder = tree.path + "/prefix/bin";
  environment.dataDirs = tree.path + "/nowhere";
  EXPECT_EQ(defaultOpeningsFile(environment), installed);
  std::remove(installed.c_str());
  EXPECT_EQ(defaultOpeningsFile(environment), std::filesystem::path(SHIPPED_OPENINGS).lexically_normal().string())
      << "a build without an installed copy reads the source tree's";
}
