#include <gtest/gtest.h>
#include "fakes.h"

namespace {

using Lines = std::vector<std::string>;
const char* const Initial = "W:W21,22,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,11,12";

// White waits for moves from outside, as a person does; Black answers at once, as a computer.
struct PersonAgainstComputer {
  RecordingLog log;
  RecordingView view;
  ScriptedPlayer* white = new ScriptedPlayer;
  ScriptedPlayer* black = new ScriptedPlayer;
  PausingGame* game;

  explicit PersonAgainstComputer(const char* fen = Initial) {
    game = new PausingGame(white, black, setupFromFen(fen).position);
    game->log = &log;
    game->view = &view;
    black->onTurn = [](ScriptedPlayer& p) { p.game->playMove(p.game->moves()[0]); };
    game->startGame();
  }
  ~PersonAgainstComputer() { delete game; }
};

TEST(GameTakeBack, AfterTheComputersReplyThePersonIsToMoveInThePositionBeforeTheirMove) {
  PersonAgainstComputer t;
  t.white->play("C3-D4");
  ASSERT_EQ(t.game->record.count(), 2);
  const Position replied = t.game->currentPosition();
  const int turns = t.white->turns;
  t.game->takeBack(2);
  EXPECT_EQ(t.game->record.count(), 0);
  EXPECT_EQ(t.game->currentPosition(), InitialPosition);
  EXPECT_EQ(t.view.shown.back().first, InitialPosition) << "the board shows the position taken back to";
  EXPECT_EQ(t.white->turns, turns + 1) << "the person has the turn again";
  EXPECT_TRUE(t.game->awaitingMove());
  EXPECT_EQ(t.log.texts().back(), "Took back 1 move.") << "a move of each side is one whole move";
  t.game->replay(2);
  EXPECT_EQ(t.game->currentPosition(), replied);
  EXPECT_EQ(t.log.texts().back(), "Replayed 1 move.");
  EXPECT_EQ(t.white->turns, turns + 2);
  EXPECT_TRUE(t.game->record.takenBack().empty());
}

TEST(GameTakeBack, AnEndedGameIsInPlayAgainAndEndsAgain) {
  PersonAgainstComputer t("W:W22,23:B18");  // C3xE5 or E3xC5 takes Black's last man
  t.white->play("C3xE5");
  ASSERT_EQ(t.game->result(), Won);
  t.game->takeBack(1);
  EXPECT_EQ(t.game->result(), InPlay);
  EXPECT_TRUE(t.game->awaitingMove());
  t.white->play("E3xC5");
  EXPECT_EQ(t.game->result(), Won);
  const Lines lines = t.log.texts();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "White wins!"), 2) << "the new end is reported";
}

TEST(GameTakeBack, AMoveOnDisplayIsDroppedAndNothingHappensDuringADrawQuestion) {
  PersonAgainstComputer t;
  t.game->holdPauses = true;
  t.black->onTurn = nullptr;  // Black waits too
  t.white->play("C3-D4");
  ASSERT_TRUE(t.game->pausing());
  t.game->takeBack(1);
  EXPECT_EQ(t.game->stoppedPauses, 1);
  EXPECT_FALSE(t.game->pausing());
  EXPECT_EQ(t.game->record.count(), 0);
  // A take back asked for while a draw question is open would pull the position from under it.
  t.game->holdPauses = false;
  t.white->play("C3-D4");
  t.white->duringQuestion = [&t] { t.game->takeBack(1); };
  t.black->play("F6-G5");
  t.white->play("D4-C5");  // Black to move
  const int count = t.game->record.count();
  t.game->offerDraw();
  EXPECT_EQ(t.game->record.count(), count);
}

TEST(GameResign, TheSideToMoveResignsAndTheOtherWins) {
  PersonAgainstComputer t;
  t.game->resign();
  EXPECT_EQ(t.game->result(), Won);
  EXPECT_FALSE(t.game->awaitingMove());
  EXPECT_EQ(t.log.texts(), (Lines{"New game start.", "@wc resigned.", "Black wins!"}));
  EXPECT_EQ(t.log.lines.back().kind, MsgResult);
  t.game->resign();  // an ended game stays as it ended
  EXPECT_EQ(t.log.lines.size(), 3u);
}

}  // namespace
