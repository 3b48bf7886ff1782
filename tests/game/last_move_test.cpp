// The board learns the last move with a capture's landings, after a move, a take back and a
// resumed game, and hears once that a game ended.
#include <gtest/gtest.h>
#include <vector>
#include "fakes.h"
#include "game/game_record.h"

namespace {

SquareSet on(std::initializer_list<const char*> names) {
  SquareSet set = 0;
  for (const char* name : names) set |= (SquareSet)1 << squareFromName(name[0], name[1]);
  return set;
}

std::vector<std::string> routeNames(const LastMove& last) {
  std::vector<std::string> names;
  for (int i = 0; i < last.length; ++i) names.push_back(SquareNames[last.route[i]]);
  return names;
}

// Two people: every move comes from the test.
struct TwoPeople {
  RecordingLog log;
  RecordingView view;
  ScriptedPlayer* white = new ScriptedPlayer;
  ScriptedPlayer* black = new ScriptedPlayer;
  PausingGame* game;

  explicit TwoPeople(const Position& start) {
    game = new PausingGame(white, black, start);
    game->log = &log;
    game->view = &view;
    game->startGame();
  }
  ~TwoPeople() { delete game; }
};

TEST(LastMove, ACaptureShowsEveryLandingInOrderAndIsMarkedAsJustPlayed) {
  // C3 must take D4 and D6, landing on E5 and stopping on C7: the game plays it, forced.
  TwoPeople t(Position(on({"c3"}), on({"d4", "d6", "h8"}), 0, true));
  ASSERT_GE(t.view.lastMoves.size(), 2u);
  const LastMove& last = t.view.lastMoves[1].first;
  EXPECT_TRUE(t.view.lastMoves[1].second);
  EXPECT_EQ(routeNames(last), (std::vector<std::string>{"C3", "E5", "C7"}));
  EXPECT_EQ(last.captured, on({"d4", "d6"}));
  EXPECT_EQ(last.squares(), on({"c3", "e5", "c7"}));
  EXPECT_EQ(last.before.white, on({"c3"})) << "the slide starts from the position before the move";
}

TEST(LastMove, TakeBackShowsTheMoveBeforeItAndTheStartShowsNone) {
  TwoPeople t(InitialPosition);
  EXPECT_TRUE(t.view.lastMoves.back().first.empty()) << "a new game shows no last move";
  t.white->play("C3-D4");
  t.black->play("F6-G5");
  t.game->takeBack(1);
  const auto& afterOne = t.view.lastMoves.back();
  EXPECT_FALSE(afterOne.second) << "a take back is not a move played: no slide, no sound";
  EXPECT_EQ(routeNames(afterOne.first), (std::vector<std::string>{"C3", "D4"}));
  t.game->takeBack(1);
  EXPECT_TRUE(t.view.lastMoves.back().first.empty());
}

TEST(LastMove, AResumedGameShowsItsLastMove) {
  RecordingLog log;
  RecordingView view;
  PausingGame game(new ScriptedPlayer, new ScriptedPlayer, InitialPosition);
  game.log = &log;
  game.view = &view;
  const Move* move = findNamedMove(game, "C3-D4");
  ASSERT_NE(move, nullptr);
  game.record.append(*move);
  game.startGame();
  ASSERT_FALSE(view.lastMoves.empty());
  EXPECT_EQ(routeNames(view.lastMoves.back().first), (std::vector<std::string>{"C3", "D4"}));
  EXPECT_FALSE(view.lastMoves.back().second);
}

TEST(LastMove, AGameEndHeardOnceByWinOrResignationNotByCancel) {
  TwoPeople won(Position(on({"c3"}), on({"d4"}), 0, true));  // C3xE5, forced, takes the last man
  EXPECT_EQ(won.game->result(), Won);
  EXPECT_EQ(won.view.ended, 1);
  TwoPeople resigned(InitialPosition);
  resigned.game->resign();
  resigned.game->resign();
  EXPECT_EQ(resigned.view.ended, 1);
  TwoPeople canceled(InitialPosition);
  canceled.game->cancelGame();
  EXPECT_EQ(canceled.view.ended, 0);
}

}  // namespace
