#include <gtest/gtest.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include "enddb/database.h"
#include "engine/fen.h"
#include "pdn/pdn_reader.h"
#include "tests/controller/controller_window.h"
#include "tests/support/scratch_directory.h"
#include "ui/controller/window_controller.h"

namespace {

// The flags in a fixed order, so that a failure shows every command at once:
// save copy cancel draw now back replay hint resign analysis.
std::string flags(const CommandStates& s) {
  std::string text;
  for (bool on : {s.save, s.copy, s.cancel, s.offerDraw, s.moveNow, s.takeBack, s.replay, s.hint, s.resign,
                  s.analysis})
    text += on ? '1' : '0';
  return text;
}

TEST(ControllerCommands, EachCommandIsActiveExactlyWhereItsRuleSaysInTheWindowsSituations) {
  struct Case {
    const char* situation;
    std::function<void(Window&)> reach;
    const char* expected;  // save copy cancel draw now back replay hint resign analysis
  };
  const Case cases[] = {
      {"no game", [](Window&) {}, "0000000001"},
      {"a person to move at the start", [](Window& w) { w.start(person(), person()); }, "1111000111"},
      {"a person to move after a move",
       [](Window& w) {
         w.start(person(), person());
         w.play("C3-D4");
       },
       "1111010111"},
      {"the computer thinks",
       [](Window& w) {
         w.start(person(), computer(30));
         w.play("C3-D4");
         ASSERT_TRUE(w.thinking());
       },
       "1110110000"},
      {"a resigned game",
       [](Window& w) {
         w.start(person(), person());
         w.fake.answers = {true};
         w.controller.resign();
       },
       "1110000001"},
      {"moves taken back",
       [](Window& w) {
         w.start(person(), person());
         w.play("C3-D4");
         w.controller.takeBack();
       },
       "1111001111"},
      {"a draw question open",
       [](Window& w) {
         w.start(person(), person());
         w.controller.offerDraw();
       },
       "1110000001"},
  };
  for (const Case& c : cases) {
    Window w;
    w.controller.refresh();
    c.reach(w);
    EXPECT_EQ(flags(w.fake.commands), c.expected) << c.situation;
    EXPECT_EQ(flags(w.fake.commands), flags(commandStates(w.controller.commandFacts()))) << c.situation;
  }
}

TEST(ControllerCommands, ACanceledGameIsReleasedAtOnceAndTheWindowShowsNone) {
  Window w;
  w.start(person(), person());
  w.play("C3-D4");
  w.fake.answers = {true};
  w.controller.cancelGame();
  EXPECT_EQ(w.controller.game(), nullptr) << "no reaper: the game goes at once";
  EXPECT_EQ(w.fake.record, nullptr);
  EXPECT_EQ(w.fake.status, "No game: Game > New starts one.");
  EXPECT_EQ(w.fake.messages.texts().back(), "Game was canceled.");
}

TEST(ControllerCommands, PasteStartsFromAReadablePositionAndRefusesOtherTextNamingWhy) {
  struct Case {
    const char* text;
    bool starts;
  };
  for (const Case c : {Case{"W:W22,23:B10", true}, Case{"not a position", false}, Case{"", false}}) {
    Window w;
    w.start(person(), person());
    const Position before = w.game().currentPosition();
    w.fake.players = [](GameSetup&) {};  // the players dialog accepts what it shows: two people
    w.fake.copied = c.text;
    w.controller.pastePosition();
    if (c.starts) {
      EXPECT_TRUE(w.fake.asked.empty()) << "a game without moves goes without asking";
      EXPECT_EQ(writeFen(w.game().currentPosition()), writeFen(w.game().setup().start)) << c.text;
      EXPECT_NE(w.game().currentPosition(), before) << c.text;
      w.controller.copyPosition();
      EXPECT_EQ(w.fake.copied, writeFen(w.game().currentPosition())) << "copy gives the game's position back";
    } else {
      ASSERT_EQ(w.fake.asked.size(), 1u) << c.text;
      EXPECT_EQ(w.fake.asked[0].rfind("Cannot paste a position:", 0), 0u) << w.fake.asked[0];
      EXPECT_GT(w.fake.asked[0].size(), std::string("Cannot paste a position:").size()) << "the reason follows";
      EXPECT_EQ(w.game().currentPosition(), before) << "nothing changed";
    }
  }
}

TEST(ControllerThinking, TakeBackDuringAThinkDropsTheSearchAndItsResultNeverLands) {
  Window w;
  w.start(person(), computer(30));
  w.play("C3-D4");
  ASSERT_TRUE(w.thinking());
  EXPECT_NE(w.fake.status.find("Black (computer) thinks"), std::string::npos) << w.fake.status;
  w.controller.takeBack();
  EXPECT_FALSE(w.thinking());
  EXPECT_EQ(w.game().record.count(), 0);
  EXPECT_TRUE(w.fake.runUntil([&] { return !w.controller.runner().busy(); }, 5)) << "the search stops";
  w.fake.runFor(0.1);
  EXPECT_EQ(w.game().record.count(), 0) << "the old position's move is not played";
  EXPECT_EQ(w.fake.status, "White to move.");
  EXPECT_EQ(w.fake.messages.texts().back(), "Took back 1 move.");
}

TEST(ControllerThinking, NewGameDuringAThinkAsksThenCancelsTheOldGameAndItsSearch) {
  Window w;
  w.start(person(), computer(30));
  w.play("C3-D4");
  ASSERT_TRUE(w.thinking());
  w.fake.answers = {true};  // abandon
  w.start(person(), person());
  EXPECT_EQ(w.fake.asked, (Lines{"Abandon this game?"}));
  EXPECT_TRUE(w.fake.runUntil([&] { return !w.controller.runner().busy(); }, 5));
  w.fake.runFor(0.1);
  EXPECT_EQ(w.game().record.count(), 0) << "the old search's move does not reach the new game";
  const Lines lines = w.fake.messages.texts();
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Game was canceled."), lines.end());
  EXPECT_EQ(lines.back(), "New game start.");
}

// Two computers play through display pauses; New and Cancel interrupt them there.
TEST(ControllerThinking, NewAndCancelDuringTheComputersGameStopItAndNoMoveFollows) {
  for (bool cancel : {false, true}) {
    Window w;
    w.start(computer(0.01), computer(0.01));
    ASSERT_TRUE(w.fake.runUntil([&] { return w.game().record.count() >= 3; }, 10)) << "the computers play";
    w.fake.answers = {true};  // abandon
    if (cancel) w.controller.cancelGame();
    else w.start(person(), person());
    EXPECT_EQ(w.fake.asked, (Lines{"Abandon this game?"})) << "cancel " << cancel;
    const Lines lines = w.fake.messages.texts();
    if (cancel) {
      EXPECT_EQ(lines.back(), "Game was canceled.");
      EXPECT_EQ(w.controller.game(), nullptr);
    } else {
      EXPECT_EQ(Lines(lines.end() - 2, lines.end()), (Lines{"Game was canceled.", "New game start."}));
      EXPECT_EQ(w.game().record.count(), 0);
    }
    const size_t logged = w.fake.messages.lines.size();
    w.fake.runFor(0.3);
    EXPECT_EQ(w.fake.messages.lines.size(), logged) << "the computers play on, cancel " << cancel;
  }
}

TEST(ControllerThinking, AHintForAPositionThatIsGoneIsNotShown) {
  struct Case {
    const char* what;
    bool takeBack;  // else the person moves before the hint comes
  };
  for (const Case c : {Case{"take back", true}, Case{"a move", false}}) {
    Window w;
    w.start(person(), person());
    w.play("C3-D4");
    w.play("F6-G5");
    w.controller.hint();
    ASSERT_TRUE(w.controller.runner().busy()) << c.what;
    const size_t shown = w.fake.boardView.shown.size();
    if (c.takeBack) w.controller.takeBack();
    else w.play("D4-C5");
    EXPECT_TRUE(w.fake.runUntil([&] { return !w.controller.runner().busy(); }, 5)) << c.what;
    EXPECT_EQ(w.fake.status.find("Hint"), std::string::npos) << c.what << ": " << w.fake.status;
    for (size_t i = shown; i < w.fake.boardView.shown.size(); ++i)
      EXPECT_EQ(w.fake.boardView.shown[i].first, w.game().currentPosition()) << c.what << ": only the game's position";
  }
}

TEST(ControllerThinking, AHintIsShownWhileItsPositionWaitsForTheMove) {
  Window w;
  w.start(person(), person());
  w.controller.hint();
  ASSERT_TRUE(w.fake.runUntil([&] { return !w.controller.runner().busy(); }, 5));
  EXPECT_EQ(w.fake.status.rfind("White to move.  Hint: ", 0), 0u) << w.fake.status;
  w.play("C3-D4");
  EXPECT_EQ(w.fake.status, "Black to move.") << "the hint goes with its position";
}

// Five plies that bring White's king back: Black (the computer) is to move in a repeated
// position, where it offers a draw before it thinks.
PdnGame repeatedKings() {
  PdnGame saved;
  std::string error;
  EXPECT_TRUE(parseFen("W:WK29:BK1", saved.start, error)) << error;
  Position now = saved.start;
  const Position first = now;
  std::vector<Move> plies;
  for (int ply = 0; ply < 5; ++ply) {
    const MoveList moves(now);
    Move chosen = moves[0];
    if (ply == 2 || ply == 3)  // back to where the side's king stood
      for (const Move& move : moves)
        if ((ply == 2 ? move.after.white == first.white : move.after.black == first.black)) chosen = move;
    if (ply == 4) chosen = saved.moves[0];
    saved.moves.push_back(chosen);
    now = chosen.after;
  }
  return saved;
}

TEST(ControllerDraws, TheComputersOfferWaitsForThePersonsAnswerEvenAfterItsTimeRanOut) {
  struct Case {
    bool accepted;
    const char* status;
  };
  for (const Case c : {Case{true, "Game over: draw."}, Case{false, ""}}) {
    Window w;
    w.fake.toOpen = repeatedKings();
    w.fake.players = [](GameSetup& setup) {
      setup.white = person();
      setup.black = computer(0.05);
    };
    w.controller.openGame();
    ASSERT_NE(w.controller.game(), nullptr);
    ASSERT_EQ(w.fake.laterQuestions.size(), 1u) << "the offer shows as a question\n"
                                                 << ::testing::PrintToString(w.fake.messages.texts());
    EXPECT_EQ(w.fake.laterQuestions[0].first, drawQuestionText(false));
    w.fake.runFor(0.3);  // six times the computer's time
    EXPECT_EQ(w.game().record.count(), 5) << "no move while the question is open";
    EXPECT_FALSE(w.controller.runner().busy()) << "no search either";
    w.fake.laterQuestions[0].second(c.accepted);
    if (c.accepted) {
      EXPECT_EQ(w.game().result(), Drawn);
      EXPECT_NE(w.fake.status.find(c.status), std::string::npos) << w.fake.status;
    } else {
      ASSERT_TRUE(w.fake.runUntil([&] { return w.game().record.count() == 6; }, 5)) << "the turn goes on";
      EXPECT_EQ(w.fake.messages.lines[w.fake.messages.lines.size() - 2].joined(), "@bc offered draw but @wc refused.");
    }
    w.fake.laterQuestions[0].second(true);  // a second answer finds no question
    EXPECT_EQ(w.game().result(), c.accepted ? Drawn : InPlay);
  }
}

TEST(ControllerDraws, AnAnswerForAGameThatWasReplacedChangesNothing) {
  Window w;
  w.start(person(), person());
  w.controller.offerDraw();
  ASSERT_EQ(w.fake.laterQuestions.size(), 1u);
  w.start(person(), person());  // no moves: no question to abandon it
  w.fake.laterQuestions[0].second(true);
  EXPECT_EQ(w.game().result(), InPlay);
  EXPECT_EQ(w.fake.messages.texts().back(), "New game start.");
}

TEST(ControllerDraws, APersonsOfferToAPersonIsAskedAndAnAcceptanceEndsTheGame) {
  Window w;
  w.start(person(), person());
  w.controller.offerDraw();
  ASSERT_EQ(w.fake.laterQuestions.size(), 1u);
  EXPECT_EQ(w.fake.laterQuestions[0].first, drawQuestionText(true));
  w.fake.laterQuestions[0].second(true);
  EXPECT_EQ(w.game().result(), Drawn);
  EXPECT_GT(w.fake.boardView.detached, 0) << "the board takes no more input";
  EXPECT_EQ(w.fake.status, "@b;Game over: draw.");
}

TEST(ControllerQuit, QuitKeepsTheGameInPlayAndStopsTheWorkerAtOnce) {
  ScratchDirectory dir;
  const std::string path = dir.path + "/game-in-play.pdn";
  Window w;
  w.controller.keepGamesInPlayAt(path);
  w.start(person(), computer(30));
  w.play("C3-D4");
  ASSERT_TRUE(w.thinking());
  const auto before = std::chrono::steady_clock::now();
  w.controller.quit();
  EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - before).count(), 2.0);
  EXPECT_TRUE(w.fake.exited);
  EXPECT_FALSE(w.controller.runner().busy()) << "the worker was stopped";
  const PdnReading kept = readPdnFile(path);
  ASSERT_TRUE(kept.ok());
  ASSERT_EQ(kept.games.size(), 1u);
  EXPECT_EQ(kept.games[0].moves.size(), 1u);
  EXPECT_EQ(kept.games[0].tag("Black"), "computer");
}

TEST(ControllerQuit, AGameAtTheInitialPositionOrOverIsNotKept) {
  ScratchDirectory dir;
  const std::string path = dir.path + "/game-in-play.pdn";
  for (bool resigned : {false, true}) {
    Window w;
    w.controller.keepGamesInPlayAt(path);
    w.start(person(), person());
    if (resigned) {
      w.play("C3-D4");
      w.fake.answers = {true};
      w.controller.resign();
    }
    w.controller.quit();
    EXPECT_TRUE(w.fake.exited);
    EXPECT_FALSE(readPdnFile(path).ok()) << "resigned " << resigned;
  }
}

SideSetup onClock(SideSetup side, TimeControl control) {
  side.clock = control;
  return side;
}

TEST(ControllerClocks, TheSideThatDoesNotMoveIsFlaggedByTheClockTimerAndTheLogNamesIt) {
  Window w;
  w.start(onClock(person(), {5, 0}), onClock(person(), {5, 0}));
  ASSERT_TRUE(w.fake.playerLinesShown.shown);
  EXPECT_EQ(w.fake.playerLinesShown.white.clock, "0:05.0");
  EXPECT_TRUE(w.fake.playerLinesShown.white.toMove);
  EXPECT_TRUE(w.fake.playerLinesShown.white.low);
  w.fake.clockNow = 2.5;
  w.play("C3-D4");
  EXPECT_EQ(w.fake.playerLinesShown.white.clock, "0:02.5");
  EXPECT_TRUE(w.fake.playerLinesShown.black.toMove);
  w.fake.clockNow = 7.4;
  w.fake.fireTimers();
  EXPECT_EQ(w.game().result(), InPlay);
  EXPECT_EQ(w.fake.playerLinesShown.black.clock, "0:00.1");  // ran from the end of White's display at 2.5
  w.fake.clockNow = 8;
  w.fake.fireTimers();
  EXPECT_EQ(w.game().result(), Won);
  EXPECT_TRUE(w.game().whiteWon());
  const Lines texts = w.fake.messages.texts();
  EXPECT_NE(std::find(texts.begin(), texts.end(), "@bc Black lost on time."), texts.end());
  EXPECT_EQ(w.fake.status, "@b;Game over: White wins!");
  EXPECT_EQ(w.fake.playerLinesShown.black.clock, "0:00.0");
  EXPECT_FALSE(w.fake.fireTimers()) << "no clock runs after the flag";
  // Take back brings the game back with the clocks of that position.
  EXPECT_TRUE(w.fake.commands.takeBack);
  w.controller.takeBack();
  EXPECT_EQ(w.game().result(), InPlay);
  EXPECT_EQ(w.fake.playerLinesShown.white.clock, "0:05.0");
}

// The low-clock sound comes once, as the running clock goes under ten seconds; a clock that
// is low already when it starts to run, or that is held, asks for none.
TEST(ControllerClocks, TheLowClockSoundComesOnceAsTheRunningClockGoesUnderTenSeconds) {
  Window w;
  w.start(onClock(person(), {12, 0}), onClock(person(), {12, 0}));
  w.fake.clockNow = 1.9;
  w.fake.fireTimers();
  EXPECT_EQ(w.fake.lowClocks, 0) << w.fake.playerLinesShown.white.clock;
  w.fake.clockNow = 2.15;
  w.fake.fireTimers();
  EXPECT_EQ(w.fake.lowClocks, 1) << w.fake.playerLinesShown.white.clock;
  w.fake.clockNow = 3;
  w.fake.fireTimers();
  EXPECT_EQ(w.fake.lowClocks, 1) << "once";
  w.play("C3-D4");
  w.fake.clockNow = 4;
  w.fake.fireTimers();
  EXPECT_EQ(w.fake.lowClocks, 1) << "Black's clock has time";
  w.controller.pauseClock();
  w.fake.clockNow = 20;
  w.fake.fireTimers();
  EXPECT_EQ(w.fake.lowClocks, 1) << "a held clock does not run low";
  w.controller.pauseClock();
  w.fake.clockNow = 25;
  w.fake.fireTimers();
  EXPECT_EQ(w.fake.lowClocks, 2) << w.fake.playerLinesShown.black.clock;
  w.play("F6-E5");
  w.fake.clockNow = 26;
  w.fake.fireTimers();
  EXPECT_EQ(w.fake.lowClocks, 2) << "White's clock was low before it ran again";
}

TEST(ControllerClocks, PauseHoldsBothClocksAndTheComputerSearchesAgainOnResume) {
  Window w;
  w.start(onClock(person(), {60, 0}), onClock(computerSide(Level::Classic, 1), {20, 0}));
  EXPECT_TRUE(w.fake.commands.pauseClock);
  w.fake.clockNow = 1;
  w.play("C3-D4");
  ASSERT_TRUE(w.thinking());
  w.controller.pauseClock();
  EXPECT_TRUE(w.game().clockHeld());
  EXPECT_TRUE(w.fake.commands.clockHeld);
  EXPECT_FALSE(w.thinking()) << "the search stops";
  EXPECT_EQ(w.fake.status.rfind("@b;Clock paused", 0), 0u) << w.fake.status;
  w.fake.clockNow = 500;
  w.fake.fireTimers();
  EXPECT_EQ(w.fake.playerLinesShown.black.clock, "0:20");
  w.controller.boardClicked();  // a click on the board resumes
  EXPECT_FALSE(w.game().clockHeld());
  EXPECT_TRUE(w.thinking()) << "the search starts again";
  ASSERT_TRUE(w.fake.runUntil([&] { return w.game().record.count() >= 2; }));
}

TEST(ControllerClocks, TheAnalysisBoardStopsTheGamesClocksUntilTheGameComesBack) {
  Window w;
  w.start(onClock(person(), {60, 0}), onClock(person(), {60, 0}));
  w.fake.clockNow = 10;
  w.play("C3-D4");  // Black's clock runs from here
  w.fake.clockNow = 15;
  w.controller.toggleAnalysisBoard();
  w.fake.clockNow = 500;  // a long study, far beyond Black's minute
  w.fake.fireTimers();
  w.controller.toggleAnalysisBoard();
  EXPECT_EQ(w.game().result(), InPlay) << "no flag for the time spent on the analysis board";
  w.fake.clockNow = 501;
  w.fake.fireTimers();
  EXPECT_EQ(w.fake.playerLinesShown.black.clock, "0:54") << "5 s before the study and 1 s after it";
  EXPECT_TRUE(w.fake.playerLinesShown.black.toMove);
}

TEST(ControllerClocks, GamesWithoutClocksShowNoLinesAndCannotPause) {
  Window w;
  w.start(person(), person());
  EXPECT_FALSE(w.fake.playerLinesShown.shown);
  EXPECT_FALSE(w.fake.commands.pauseClock);
  w.controller.pauseClock();
  EXPECT_FALSE(w.game().clockHeld());
}

TEST(ControllerClocks, AKeptGameResumesWithItsClocks) {
  ScratchDirectory dir;
  const std::string path = dir.path + "/game-in-play.pdn";
  {
    Window w;
    w.controller.keepGamesInPlayAt(path);
    w.start(onClock(person(), {300, 3}), onClock(person(), {300, 3}));
    w.fake.clockNow = 20.25;
    w.play("C3-D4");
    w.controller.quit();
  }
  Window w;
  w.controller.keepGamesInPlayAt(path);
  w.fake.answers = {true};
  w.fake.players = [](GameSetup&) {};  // the players dialog accepts what the file says
  w.fake.clockNow = 1000;
  w.controller.offerGameInPlay();
  ASSERT_NE(w.controller.game(), nullptr);
  EXPECT_EQ(w.game().setup().white.clock, (TimeControl{300, 3}));
  EXPECT_EQ(w.fake.playerLinesShown.white.clock, "4:42");  // 300 - 20.25 + 3, shown as 4:42.7 rounded down
  EXPECT_EQ(w.fake.playerLinesShown.black.clock, "5:00");
  EXPECT_TRUE(w.fake.playerLinesShown.black.toMove);
}

}  // namespace
