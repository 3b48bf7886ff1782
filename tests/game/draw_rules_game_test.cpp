#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>
#include "fakes.h"
#include "tests/engine/squares.h"

namespace {

using Cycle = std::vector<const char*>;

// A game between two players that wait, moved by the test: each side walks its king round
// its own cycle of moves, so that positions come back only when both cycles close.
struct ShuffleGame {
  RecordingLog log;
  Game game;
  Cycle whiteCycle, blackCycle;
  size_t whiteNext = 0, blackNext = 0;

  ShuffleGame(const Position& start, Cycle white, Cycle black)
      : game(new ScriptedPlayer, new ScriptedPlayer, start), whiteCycle(white), blackCycle(black) {
    game.log = &log;
    game.startGame();
  }
  void play(const char* notation) {
    const Move* move = findNamedMove(game, notation);
    ASSERT_NE(move, nullptr) << notation << " after " << game.record.count() << " plies";
    game.playMove(*move);
  }
  void shuffle(int plies) {
    for (int i = 0; i < plies; ++i)
      play(game.whiteToMove() ? whiteCycle[whiteNext++ % whiteCycle.size()]
                              : blackCycle[blackNext++ % blackCycle.size()]);
  }
  std::vector<std::string> lastLines(size_t n) const {
    const std::vector<std::string> all = log.texts();
    return std::vector<std::string>(all.end() - std::min(n, all.size()), all.end());
  }
};

const Cycle WhiteTriangle = {"G1-F2", "F2-E3", "E3-G1"};
const Cycle BlackSquare = {"G7-F8", "F8-E7", "E7-F6", "F6-G7"};
const Cycle BlackToAndFro = {"G7-F8", "F8-G7"};

// Kings on G1 and G7 with men behind them: no count but the kings-only one.
const Position KingsWithMen(squares("G1 A1 C1"), squares("G7 B8 D8"), squares("G1 G7"), true);

TEST(DrawRulesInAGame, TheThirdOccurrenceWithTheSameSideToMoveDrawsAndOneWithTheOtherSideDoesNot) {
  // White's three-move circle against Black's two-move one: the start's squares come back
  // after 5 plies with Black to move, and with White to move after 12 and 24 plies.
  ShuffleGame g(KingsWithMen, WhiteTriangle, BlackToAndFro);
  g.shuffle(12);
  EXPECT_EQ(g.game.record.occurrencesOfCurrent(), 2);
  g.shuffle(11);
  EXPECT_EQ(g.game.result(), InPlay);
  g.shuffle(1);
  EXPECT_EQ(g.game.result(), Drawn);
  EXPECT_EQ(g.game.drawRule(), DrawRule::Repetition);
  EXPECT_EQ(g.lastLines(2),
            (std::vector<std::string>{"Draw: the same position for the third time.", "Game draw."}));
}

TEST(DrawRulesInAGame, TwentyMovesOfEachSideWithKingsOnlyDrawAtTheFortiethPly) {
  ShuffleGame g(KingsWithMen, WhiteTriangle, BlackSquare);  // positions come back after 24 plies
  g.shuffle(24);
  EXPECT_EQ(drawCountText(g.game.record.drawState()), "Kings only: 12 of 20 moves.");
  g.shuffle(15);
  EXPECT_EQ(g.game.result(), InPlay);
  g.shuffle(1);
  EXPECT_EQ(g.game.result(), Drawn);
  EXPECT_EQ(g.game.drawRule(), DrawRule::KingsOnly);
  EXPECT_EQ(g.lastLines(2), (std::vector<std::string>{"Draw: 20 moves of each side with kings only and no capture.",
                                                      "Game draw."}));
}

TEST(DrawRulesInAGame, AMansMoveStartsTheKingsOnlyCountAgain) {
  ShuffleGame g(KingsWithMen, WhiteTriangle, BlackSquare);
  g.shuffle(30);
  g.play("C1-D2");
  EXPECT_EQ(g.game.record.drawState().kingsOnly, 0);
  EXPECT_EQ(drawCountText(g.game.record.drawState()), "");
  g.shuffle(39);
  EXPECT_EQ(g.game.result(), InPlay);
  g.shuffle(1);
  EXPECT_EQ(g.game.drawRule(), DrawRule::KingsOnly);
}

TEST(DrawRulesInAGame, ASetUpEndgameCountsFromItsFirstPositionToTheExactPly) {
  const struct {
    const char* white;  // with a king on G1; Black has a lone king on G7
    int plies;
    DrawRule rule;
    const char* reason;
    const char* firstCount;
  } cases[] = {
      {"G1 A1 C1", 32, DrawRule::ThreeAgainstKing, "Draw: 16 moves of each side with three pieces against a lone king.",
       "Three against a king: 0 of 16 moves."},
      {"G1 C1", 10, DrawRule::TwoAgainstKing,
       "Draw: 5 moves of each side with two pieces or fewer against a lone king.", "Two against a king: 0 of 5 moves."},
  };
  for (const auto& c : cases) {
    ShuffleGame g(Position(squares(c.white), squares("G7"), squares("G1 G7"), true), WhiteTriangle, BlackSquare);
    EXPECT_EQ(drawCountText(g.game.record.drawState()), c.firstCount) << c.white;
    g.shuffle(c.plies - 1);
    EXPECT_EQ(g.game.result(), InPlay) << c.white;
    g.shuffle(1);
    EXPECT_EQ(g.game.result(), Drawn) << c.white;
    EXPECT_EQ(g.game.drawRule(), c.rule) << c.white;
    EXPECT_EQ(g.lastLines(2), (std::vector<std::string>{c.reason, "Game draw."})) << c.white;
    // Taking the last move back brings the game into play; replaying it ends it again.
    g.game.takeBack(1);
    EXPECT_EQ(g.game.result(), InPlay) << c.white;
    EXPECT_EQ(g.game.drawRule(), DrawRule::NoRule) << c.white;
    g.game.replay(1);
    EXPECT_EQ(g.game.drawRule(), c.rule) << c.white;
  }
}

TEST(DrawRulesInAGame, SwitchedOffTheyEndNothing) {
  ShuffleGame g(Position(squares("G1 C1"), squares("G7"), squares("G1 G7"), true), WhiteTriangle, BlackSquare);
  g.game.drawRules = false;
  g.shuffle(60);
  EXPECT_EQ(g.game.result(), InPlay);
}

}  // namespace
