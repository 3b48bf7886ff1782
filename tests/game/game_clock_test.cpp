// The clock arithmetic with the time passed in, and a game on a clock driven by a fake time.
#include <gtest/gtest.h>
#include "game/game_clock.h"
#include "tests/game/fakes.h"

TEST(GameClock, RunsForOneSideAtATimeAndAddsTheIncrementAfterEachMove) {
  GameClock clock = newGameClock({300, 3}, {300, 3});
  startClock(clock, true, 100);
  EXPECT_DOUBLE_EQ(timeLeft(clock, true, 104.5), 295.5);
  EXPECT_DOUBLE_EQ(timeLeft(clock, false, 104.5), 300);  // the other side's clock stands
  EXPECT_DOUBLE_EQ(completeMove(clock, true, 110), 293);   // 300 - 10 + 3
  EXPECT_EQ(clock.running, -1);
  EXPECT_DOUBLE_EQ(timeLeft(clock, true, 500), 293);      // stopped: nothing more is charged
  startClock(clock, false, 111);
  startClock(clock, true, 112);  // starting one side stops and charges the other
  EXPECT_DOUBLE_EQ(timeLeft(clock, false, 200), 299);
}

TEST(GameClock, FlagFallsOnlyForTheRunningSideAtZero) {
  GameClock clock = newGameClock({5, 0}, {5, 0});
  EXPECT_FALSE(flagFell(clock, 1000));  // nothing runs before the first turn
  startClock(clock, false, 0);
  EXPECT_FALSE(flagFell(clock, 4.99));
  EXPECT_TRUE(flagFell(clock, 5));
  EXPECT_DOUBLE_EQ(timeLeft(clock, false, 9), 0);  // never shown below zero
}

TEST(GameClock, PauseHoldsTheRunningTimeUntilResumed) {
  GameClock clock = newGameClock({60, 0}, {60, 0});
  startClock(clock, true, 0);
  pauseClock(clock, 10);
  EXPECT_DOUBLE_EQ(timeLeft(clock, true, 500), 50);
  EXPECT_FALSE(flagFell(clock, 5000));
  pauseClock(clock, 20);  // a second pause changes nothing
  resumeClock(clock, 600);
  EXPECT_DOUBLE_EQ(timeLeft(clock, true, 605), 45);
}

TEST(GameClock, SideWithoutClockNeverRunsNorFalls) {
  GameClock clock = newGameClock({}, {60, 1});  // time odds: White thinks per move
  startClock(clock, true, 0);
  EXPECT_EQ(clock.running, -1);
  EXPECT_FALSE(flagFell(clock, 1e9));
  EXPECT_DOUBLE_EQ(completeMove(clock, true, 1e9), -1);
  EXPECT_TRUE(clock.anyOnClock());
}

TEST(TimeControlText, ReadsWhatItWritesAndRefusesDamagedValues) {
  struct Case {
    const char* text;
    bool ok;
    double game, increment;
  } cases[] = {
      {"300+3", true, 300, 3}, {"300", true, 300, 0}, {"10+0.1", true, 10, 0.1}, {"", true, 0, 0},
      {"-", true, 0, 0},       {"0", false, 0, 0},    {"+3", false, 0, 0},      {"300+", false, 0, 0},
      {"-5", false, 0, 0},     {"1e9", false, 0, 0},  {"300+3+1", false, 0, 0}, {"40/7200", false, 0, 0},
      {"36001", false, 0, 0},  {"nan", false, 0, 0},  {"300+601", false, 0, 0}, {"5:00", false, 0, 0},
  };
  for (const Case& c : cases) {
    TimeControl control{7, 7};
    EXPECT_EQ(parseTimeControl(c.text, control), c.ok) << c.text;
    if (!c.ok) {
      EXPECT_EQ(control, (TimeControl{7, 7})) << c.text << " changed the control";
      continue;
    }
    EXPECT_EQ(control, (TimeControl{c.game, c.increment})) << c.text;
    TimeControl back;
    ASSERT_TRUE(parseTimeControl(timeControlText(control), back));
    EXPECT_EQ(back, control) << c.text;
  }
}

namespace {

// A game of two scripted people on a clock whose time the test sets.
struct TimedGame {
  double now = 0;
  RecordingLog log;
  ScriptedPlayer* white = new ScriptedPlayer;
  ScriptedPlayer* black = new ScriptedPlayer;
  std::unique_ptr<Game> game;

  explicit TimedGame(TimeControl control, const char* fen = nullptr) {
    GameSetup setup;
    if (fen) setup.start = setupFromFen(fen).position;
    setup.white.clock = setup.black.clock = control;
    game = std::make_unique<Game>(setup, white, black);
    game->clockTime = [this] { return now; };
    game->log = &log;
    game->startGame();
  }
  double left(bool side) const { return timeLeft(game->clock(), side, now); }
};

}  // namespace

TEST(GameOnClock, ChargesTheMoverAndStoresItsClockAfterEachMove) {
  TimedGame t({60, 2});
  t.now = 7;
  t.white->play("C3-D4");
  EXPECT_DOUBLE_EQ(t.game->record.last()->clockLeft, 55);  // 60 - 7 + 2
  EXPECT_EQ(t.game->clock().running, 1);                 // Black's turn runs Black's clock
  t.now = 10;
  EXPECT_DOUBLE_EQ(t.left(false), 57);
}

TEST(GameOnClock, SideThatDoesNotMoveLosesOnTimeAndTheLogNamesIt) {
  TimedGame t({5, 0});
  t.now = 1;
  t.white->play("C3-D4");
  t.now = 5.9;
  t.game->checkFlag();
  EXPECT_EQ(t.game->result(), InPlay);
  t.now = 6;
  t.game->checkFlag();
  EXPECT_EQ(t.game->result(), Won);
  EXPECT_TRUE(t.game->whiteWon());
  EXPECT_TRUE(t.game->lostOnTime());
  const std::vector<std::string> texts = t.log.texts();
  ASSERT_GE(texts.size(), 2u);
  EXPECT_EQ(texts[texts.size() - 2], "@bc Black lost on time.");
  EXPECT_EQ(texts.back(), "White wins!");
}

TEST(GameOnClock, MoveHandedInAfterTheFlagLosesInsteadOfPlaying) {
  TimedGame t({5, 1});
  t.now = 5.5;
  t.white->play("C3-D4");
  EXPECT_EQ(t.game->record.count(), 0);
  EXPECT_TRUE(t.game->lostOnTime());
  EXPECT_FALSE(t.game->whiteWon());
}

TEST(GameOnClock, TakeBackRestoresTheTimesEachPositionHad) {
  TimedGame t({60, 0});
  t.now = 10;
  t.white->play("C3-D4");  // White 50
  t.now = 30;
  t.black->play("F6-G5");  // Black 40
  t.now = 31;
  t.white->play("D4-C5");  // White 49 (a forced answer may follow)
  t.now = 1000;
  t.game->checkFlag();  // Black's flag falls
  ASSERT_TRUE(t.game->lostOnTime());
  const int plies = t.game->record.count();
  t.game->takeBack(plies - 1);  // back to Black to move after C3-D4
  EXPECT_EQ(t.game->result(), InPlay);
  EXPECT_FALSE(t.game->lostOnTime());
  EXPECT_DOUBLE_EQ(t.left(true), 50);
  EXPECT_DOUBLE_EQ(t.left(false), 60);  // Black had not moved yet
  EXPECT_EQ(t.game->clock().running, 1);
  t.now = 1003;
  EXPECT_DOUBLE_EQ(t.left(false), 57);  // runs from the take back, not from the flag
  t.game->takeBack(1);
  EXPECT_DOUBLE_EQ(t.left(true), 60);
  // Replay brings the moves back with the clocks they left.
  t.now = 2000;
  t.game->replay(2);
  EXPECT_DOUBLE_EQ(t.left(true), 50);
  EXPECT_DOUBLE_EQ(t.left(false), 40);
  EXPECT_DOUBLE_EQ(t.game->record.last()->clockLeft, 40);
}

TEST(GameOnClock, ForcedMoveCostsNoTime) {
  TimedGame t({60, 5}, "W:W22:B18,1");  // C3 must take D4, played by the game at the start
  ASSERT_GE(t.game->record.count(), 1);
  EXPECT_DOUBLE_EQ(t.game->record.entry(0).clockLeft, 60);
  EXPECT_EQ(t.game->clock().running, 1);
}

TEST(GameOnClock, HoldStopsTheClockAndTheTurnUntilResumed) {
  TimedGame t({60, 0});
  t.white->onTurn = [](ScriptedPlayer&) {};
  t.now = 5;
  t.game->holdClock(true);
  EXPECT_TRUE(t.game->clockHeld());
  const int turns = t.white->turns;
  t.now = 500;
  t.game->checkFlag();
  EXPECT_EQ(t.game->result(), InPlay);
  EXPECT_DOUBLE_EQ(t.left(true), 55);
  t.game->holdClock(false);
  EXPECT_EQ(t.white->turns, turns + 1);  // the turn is given again
  t.now = 510;
  EXPECT_DOUBLE_EQ(t.left(true), 45);
}
