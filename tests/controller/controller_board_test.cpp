// The main board under the controller, as a person plays at it: which pieces are framed,
// whether clicks still play, and what the questions of Cancel, Resign and a draw offer
// leave behind when answered either way.
#include <gtest/gtest.h>
#include "game/game.h"
#include "tests/controller/controller_window.h"

namespace {

using Squares = std::vector<int>;
const Squares WhiteMenFreeAtStart{8, 9, 10, 11};     // A3, C3, E3, G3
const Squares BlackMenFreeAfterC3D4{20, 21, 22, 23};  // B6, D6, F6, H6

bool personToMove(const Window& w) { return w.controller.commandFacts().humanToMove; }

// The person to move plays `notation` by two clicks on the board; the move's display ends.
void clickMove(Window& w, const char* notation) {
  const Move* move = findNamedMove(w.game(), notation);
  ASSERT_NE(move, nullptr) << notation;
  const int from = squareIndex(move->from), to = squareIndex(move->to);
  w.fake.boardView.click(from);
  w.fake.boardView.click(to);
  for (int i = 0; i < 3 && w.fake.fireTimers(); ++i) {
  }
}

TEST(ControllerBoard, APersonsClicksChooseAFramedPieceThenAFramedDestination) {
  Window w;
  w.start(person(), person());
  EXPECT_EQ(w.fake.boardView.framed(), WhiteMenFreeAtStart);
  w.fake.boardView.click(26);  // a black man: nothing happens
  EXPECT_EQ(w.fake.boardView.framed(), WhiteMenFreeAtStart);
  w.fake.boardView.click(9);  // C3
  EXPECT_EQ(w.fake.boardView.framed(), (Squares{12, 13}));  // B4, D4
  w.fake.boardView.click(13);
  w.fake.fireTimers();
  ASSERT_EQ(w.game().record.count(), 1);
  EXPECT_EQ(squareIndex(w.game().record.last()->move.to), 13);
  EXPECT_EQ(w.fake.boardView.framed(), BlackMenFreeAfterC3D4) << "the other person's turn";
}

// Cancel, Resign and an accepted draw end the game: the frames go, clicks play nothing more.
TEST(ControllerBoard, AGameEndedByAQuestionAnsweredYesTakesNoMoreClicks) {
  struct Case {
    const char* ending;
    std::function<void(Window&)> end;
    Lines asked;     // the questions put before returning
    Lines logged;    // what the ending adds to the log
    const char* status;
  };
  const Case cases[] = {
      {"cancel",
       [](Window& w) { w.controller.cancelGame(); },
       {"Abandon this game?"}, {"Game was canceled."}, "No game: Game > New starts one."},
      {"resign",
       [](Window& w) { w.controller.resign(); },
       {"Resign this game? White then wins."}, {"@bc resigned.", "White wins!"}, "@b;Game over: White wins!"},
      {"draw",
       [](Window& w) {
         w.controller.offerDraw();
         ASSERT_EQ(w.fake.laterQuestions.size(), 1u);
         w.fake.laterQuestions[0].second(true);
       },
       {}, {"@bc offered draw and @wc accept.", "Game draw."}, "@b;Game over: draw."},
  };
  for (const Case& c : cases) {
    Window w;
    w.start(person(), person());
    clickMove(w, "C3-D4");
    Lines log = w.fake.messages.texts();
    w.fake.answers = {true};
    c.end(w);
    EXPECT_EQ(w.fake.asked, c.asked) << c.ending;
    log.insert(log.end(), c.logged.begin(), c.logged.end());
    EXPECT_EQ(w.fake.messages.texts(), log) << c.ending;
    EXPECT_EQ(w.fake.status, c.status) << c.ending;
    EXPECT_TRUE(w.fake.boardView.framed().empty()) << c.ending << ": frames stay";
    EXPECT_EQ(w.fake.boardView.input, nullptr) << c.ending << ": the board still listens";
    w.fake.boardView.click(22);
    w.fake.boardView.click(18);
    w.controller.hint();
    w.fake.runFor(0.2);
    EXPECT_FALSE(w.controller.runner().busy()) << c.ending << ": a hint for an ended game";
    EXPECT_EQ(w.fake.messages.texts(), log) << c.ending << ": the log goes on";
    if (w.controller.game()) {
      EXPECT_EQ(w.game().record.count(), 1) << c.ending << ": the board still plays";
    }
  }
}

// No to Cancel and Resign, and a refused draw, leave Black to move with its men framed.
TEST(ControllerBoard, AQuestionAnsweredNoLeavesThePersonToMoveAtTheBoard) {
  struct Case {
    const char* question;
    std::function<void(Window&)> ask;
    const char* logged;  // what the refusal adds to the log, if anything
  };
  const Case cases[] = {
      {"cancel", [](Window& w) { w.controller.cancelGame(); }, nullptr},
      {"resign", [](Window& w) { w.controller.resign(); }, nullptr},
      {"draw",
       [](Window& w) {
         w.controller.offerDraw();
         ASSERT_EQ(w.fake.laterQuestions.size(), 1u);
         w.fake.laterQuestions[0].second(false);
       },
       "@bc offered draw but @wc refused."},
  };
  for (const Case& c : cases) {
    Window w;
    w.start(person(), person());
    clickMove(w, "C3-D4");
    Lines lines = w.fake.messages.texts();
    w.fake.answers = {false};
    c.ask(w);
    if (c.logged) lines.push_back(c.logged);
    EXPECT_EQ(w.fake.messages.texts(), lines) << c.question;
    EXPECT_EQ(w.game().result(), InPlay) << c.question;
    EXPECT_EQ(w.fake.status, "Black to move.") << c.question;
    EXPECT_EQ(w.fake.boardView.framed(), BlackMenFreeAfterC3D4) << c.question;
    clickMove(w, "F6-G5");
    EXPECT_EQ(w.game().record.count(), 2) << c.question << ": the board plays on";
  }
}

TEST(ControllerBoard, AHintFramesOneMoveOfThePersonAndChangesNothingElse) {
  Window w;
  w.start(person(), person());
  const Lines log = w.fake.messages.texts();
  w.controller.hint();
  ASSERT_TRUE(w.fake.runUntil([&] { return !w.controller.runner().busy(); }, 5));
  const Squares framed = w.fake.boardView.framed();
  ASSERT_EQ(framed.size(), 2u);
  EXPECT_GE(framed[0], 8);
  EXPECT_LE(framed[0], 11) << "a white man of the third rank";
  EXPECT_GE(framed[1], 12);
  EXPECT_LE(framed[1], 15) << "a square of the fourth rank";
  EXPECT_EQ(w.fake.boardView.position, InitialPosition);
  EXPECT_EQ(w.game().record.count(), 0) << "nothing played";
  EXPECT_EQ(w.fake.messages.texts(), log) << "nothing logged";
  EXPECT_EQ(w.fake.status.rfind("White to move.  Hint: ", 0), 0u) << w.fake.status;
  w.fake.boardView.click(framed[0]);  // the hinted move is still the person's to play
  w.fake.boardView.click(framed[1]);
  ASSERT_EQ(w.game().record.count(), 1);
  EXPECT_EQ(squareIndex(w.game().record.last()->move.to), framed[1]);
}

TEST(ControllerBoard, TakeBackAfterTheComputersReplyGivesThePersonTheTurnAndReplayBringsBothMovesBack) {
  Window w;
  w.start(person(), computer(0.01));
  clickMove(w, "C3-D4");
  ASSERT_TRUE(w.fake.runUntil([&] { return personToMove(w) && w.game().record.count() >= 2; }, 10));
  const Position replied = w.game().currentPosition();
  const int plies = w.game().record.count();
  w.controller.takeBack();
  EXPECT_EQ(w.game().currentPosition(), InitialPosition);
  EXPECT_EQ(w.game().record.count(), 0) << "the history loses the taken-back moves";
  EXPECT_EQ(w.fake.boardView.framed(), WhiteMenFreeAtStart);
  EXPECT_FALSE(w.thinking());
  w.controller.replay();
  w.fake.runFor(0.1);
  EXPECT_EQ(w.game().currentPosition(), replied);
  EXPECT_EQ(w.game().record.count(), plies);
  EXPECT_TRUE(personToMove(w)) << "White's turn again, the computer's answer replayed";
  EXPECT_FALSE(w.fake.boardView.framed().empty());
}

TEST(ControllerThinking, TheStatusLineMovesDuringAThinkAndMoveNowPlaysAtOnce) {
  Window w;
  w.start(person(), computer(30));
  clickMove(w, "C3-D4");
  ASSERT_TRUE(w.thinking());
  const std::string first = w.fake.status;
  w.fake.runFor(0.6);
  EXPECT_NE(w.fake.status, first) << "the status timer shows the time going";
  EXPECT_EQ(w.fake.status.rfind("Black (computer) thinks", 0), 0u) << w.fake.status;
  EXPECT_EQ(w.game().record.count(), 1) << "the computer moved before Move now";
  w.controller.moveNow();
  ASSERT_TRUE(w.fake.runUntil([&] { return w.game().record.count() >= 2; }, 2)) << "Move now plays within 2 s";
  const std::vector<LogLine>& lines = w.fake.messages.posted;
  EXPECT_FALSE(lines.back().white) << "Black's move is the newest line";
  EXPECT_EQ(lines.back().topic, LineTopic::SearchedMove);
}

// The question "Abandon this game?" waits in an event loop: the computer's move may land
// before the answer, which then still cancels the game.
TEST(ControllerThinking, CancelDuringAThinkAsksAndNoMoveFollowsEvenIfOneLandsDuringTheQuestion) {
  for (bool landsDuringQuestion : {false, true}) {
    Window w;
    w.start(person(), computer(30));
    clickMove(w, "C3-D4");
    ASSERT_TRUE(w.thinking());
    if (landsDuringQuestion)
      w.fake.whileAsking = [&w] {
        w.controller.moveNow();
        EXPECT_TRUE(w.fake.runUntil([&w] { return w.game().record.count() >= 2; }, 5)) << "the move landed";
      };
    w.fake.answers = {true};
    w.controller.cancelGame();
    EXPECT_EQ(w.fake.asked, (Lines{"Abandon this game?"})) << landsDuringQuestion;
    EXPECT_EQ(w.fake.messages.texts().back(), "Game was canceled.") << landsDuringQuestion;
    EXPECT_EQ(w.controller.game(), nullptr) << landsDuringQuestion;
    ASSERT_TRUE(w.fake.runUntil([&] { return !w.controller.runner().busy(); }, 5)) << "the search stops";
    const size_t logged = w.fake.messages.lines.size();
    w.fake.runFor(0.3);
    EXPECT_EQ(w.fake.messages.lines.size(), logged) << "the computer moved after Cancel, " << landsDuringQuestion;
    EXPECT_EQ(w.fake.boardView.input, nullptr) << landsDuringQuestion;
  }
}

// What a greyed menu item's shortcut would do if the toolkit let it through: nothing.
TEST(ControllerCommands, ACommandCalledWhereItIsGreyedChangesNothing) {
  using Command = void (WindowController::*)();
  struct Case {
    const char* name;
    Command command;
  };
  const Case noGame[] = {
      {"save", &WindowController::saveGame},       {"copy", &WindowController::copyPosition},
      {"cancel", &WindowController::cancelGame},   {"draw", &WindowController::offerDraw},
      {"now", &WindowController::moveNow},         {"back", &WindowController::takeBack},
      {"replay", &WindowController::replay},       {"hint", &WindowController::hint},
      {"resign", &WindowController::resign},       {"evaluate", &WindowController::evaluateFocused},
      {"best reply", &WindowController::showBestReply},
  };
  for (const Case& c : noGame) {
    Window w;
    w.controller.refresh();
    (w.controller.*c.command)();
    EXPECT_EQ(w.controller.game(), nullptr) << c.name;
    EXPECT_TRUE(w.fake.asked.empty()) << c.name;
    EXPECT_TRUE(w.fake.saved.empty()) << c.name;
    EXPECT_EQ(w.fake.copied, "") << c.name;
    EXPECT_TRUE(w.fake.messages.lines.empty()) << c.name;
    EXPECT_FALSE(w.controller.runner().busy()) << c.name;
    EXPECT_EQ(w.fake.status, "No game: Game > New starts one.") << c.name;
  }
  // While the computer thinks, the person's commands wait for their turn.
  const Case thinking[] = {
      {"draw", &WindowController::offerDraw},
      {"hint", &WindowController::hint},
      {"resign", &WindowController::resign},
      {"replay", &WindowController::replay},
  };
  for (const Case& c : thinking) {
    Window w;
    w.start(person(), computer(30));
    clickMove(w, "C3-D4");
    const Lines log = w.fake.messages.texts();
    (w.controller.*c.command)();
    EXPECT_TRUE(w.thinking()) << c.name;
    EXPECT_TRUE(w.fake.asked.empty() && w.fake.laterQuestions.empty()) << c.name;
    EXPECT_EQ(w.fake.messages.texts(), log) << c.name;
    EXPECT_EQ(w.game().record.count(), 1) << c.name;
    EXPECT_EQ(w.fake.status.find("Hint"), std::string::npos) << c.name;
  }
}

}  // namespace
