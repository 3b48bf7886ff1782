// A game on a clock saved and opened again: its time control and the clock after each move.
#include <gtest/gtest.h>
#include "pdn/clock_comment.h"
#include "game/record_pdn.h"
#include "game/setup_tags.h"
#include "pdn/pdn_reader.h"
#include "pdn/pdn_writer.h"
#include "tests/game/fakes.h"

TEST(ClockComment, SharesOneCommentClockFirstAndReplacesAnOldClock) {
  struct Case {
    PdnNotes before, after;
  } cases[] = {
      {{}, {"{[%clk 0:04:57.3]}"}},
      {{"{+0.45 best c3-d4}"}, {"{[%clk 0:04:57.3] +0.45 best c3-d4}"}},
      {{"$1", "{ good}"}, {"$1", "{[%clk 0:04:57.3] good}"}},
      {{"{[%clk 1:00:00] +0.45}"}, {"{[%clk 0:04:57.3] +0.45}"}},
      {{"; a line", "(2. g3-h4)"}, {"{[%clk 0:04:57.3]}", "; a line", "(2. g3-h4)"}},
      {{"{[%clk broken}"}, {"{[%clk 0:04:57.3] [%clk broken}"}},
  };
  for (Case& c : cases) {
    PdnNotes notes = c.before;
    putClockComment(notes, 297.38);
    EXPECT_EQ(notes, c.after);
    double seconds = 0;
    EXPECT_TRUE(readClockComment(notes, seconds));
    EXPECT_NEAR(seconds, 297.3, 1e-9);
  }
}

TEST(ClockComment, ReadsClocksInsideOtherWordsAndRefusesDamagedOnes) {
  struct Case {
    const char* comment;
    bool ok;
    double seconds;
  } cases[] = {
      {"{[%clk 0:04:57.3]}", true, 297.3},     {"{+0.45 [%clk 1:02:03] best}", true, 3723},
      {"{[%clk 0:00:09.25]}", true, 9.25},     {"{[%clk 0:60:00]}", false, 0},
      {"{[%clk 0:04]}", false, 0},             {"{[%clk -0:04:00]}", false, 0},
      {"{[%clk 0:04:57.3}", false, 0},         {"{[%clk ]}", false, 0},
      {"{[%clk 99999999:00:00]}", false, 0},   {"[%clk 0:04:57.3]", false, 0},  // not in a comment
      {"{[%clk 0:04:5x]}", false, 0},          {"{[%clk 0:04:57.]}", false, 0},
  };
  for (const Case& c : cases) {
    double seconds = -7;
    EXPECT_EQ(readClockComment({c.comment}, seconds), c.ok) << c.comment;
    EXPECT_NEAR(seconds, c.ok ? c.seconds : -7, 1e-9) << c.comment;
  }
  EXPECT_EQ(clockText(0), "0:00:00.0");
  EXPECT_EQ(clockText(59.99), "0:00:59.9");  // rounded down: never shows more than is left
  EXPECT_EQ(clockText(3600 * 10 + 61.5), "10:01:01.5");
}

namespace {

GameSetup timedSetup(TimeControl white, TimeControl black) {
  GameSetup setup;
  setup.white.clock = white;
  setup.black.clock = black;
  return setup;
}

}  // namespace

TEST(ClockPdn, TimeControlTagsRoundTripIncludingTimeOdds) {
  struct Case {
    TimeControl white, black;
    const char *tag, *whiteTag, *blackTag;
  } cases[] = {
      {{300, 3}, {300, 3}, "300+3", "", ""},
      {{300, 0}, {300, 0}, "300", "", ""},
      {{}, {}, "", "", ""},  // seconds per move write none
      {{300, 0}, {60, 1}, "", "300", "60+1"},
      {{}, {60, 1}, "", "-", "60+1"},
  };
  for (const Case& c : cases) {
    PdnGame pdn;
    pdn.setTag("TimeControl", "600");  // an earlier control is replaced
    writeSetupTags(timedSetup(c.white, c.black), pdn);
    EXPECT_EQ(pdn.tag("TimeControl"), c.tag);
    EXPECT_EQ(pdn.tag("WhiteTimeControl"), c.whiteTag);
    EXPECT_EQ(pdn.tag("BlackTimeControl"), c.blackTag);
    const PdnReading reading = readPdn(pdnText(pdn));
    ASSERT_EQ(reading.games.size(), 1u);
    const GameSetup back = setupFromPdn(reading.games[0]);
    EXPECT_EQ(back.white.clock, c.white) << c.tag << c.whiteTag;
    EXPECT_EQ(back.black.clock, c.black) << c.tag << c.blackTag;
  }
}

TEST(ClockPdn, ControlWrittenInAnotherFormStaysAndGivesNoClock) {
  PdnGame pdn;
  pdn.setTag("TimeControl", "40/3600");
  const GameSetup setup = setupFromPdn(pdn);
  EXPECT_FALSE(setup.white.clock.onClock());
  writeSetupTags(setup, pdn);
  EXPECT_EQ(pdn.tag("TimeControl"), "40/3600");
}

TEST(ClockPdn, SavedGameResumesWithTheClocksItsMovesLeft) {
  GameSetup setup = timedSetup({300, 3}, {300, 3});
  double now = 0;
  ScriptedPlayer *white = new ScriptedPlayer, *black = new ScriptedPlayer;
  Game game(setup, white, black);
  game.clockTime = [&] { return now; };
  game.startGame();
  now = 12.34;
  white->play("C3-D4");  // White 290.66
  now = 20;
  black->play("F6-G5");  // Black 295.34
  game.record.last()->notes = {"{+0.45 best c3-d4}"};
  PdnGame pdn = recordToPdn(game.record, PdnResult::Unfinished, "Ana", "Bruno");
  writeSetupTags(game.setup(), pdn);
  const std::string text = pdnText(pdn);
  EXPECT_NE(text.find("[TimeControl \"300+3\"]"), std::string::npos) << text;
  EXPECT_NE(text.find("{[%clk 0:04:50.6]}"), std::string::npos) << text;
  EXPECT_NE(text.find("{[%clk 0:04:55.3] +0.45 best c3-d4}"), std::string::npos) << text;

  const PdnReading reading = readPdn(text);
  ASSERT_EQ(reading.games.size(), 1u);
  const GameSetup opened = setupFromPdn(reading.games[0]);
  Game resumed(opened, new ScriptedPlayer, new ScriptedPlayer);
  resumed.clockTime = [] { return 1000.0; };
  appendPdnMoves(resumed.record, reading.games[0]);
  resumed.startGame();
  EXPECT_NEAR(timeLeft(resumed.clock(), true, 1000), 290.6, 1e-9);  // White's turn: runs from now
  EXPECT_NEAR(timeLeft(resumed.clock(), false, 1000), 295.3, 1e-9);
  EXPECT_EQ(resumed.clock().running, 0);
  EXPECT_EQ(resumed.record.entry(1).notes, (PdnNotes{"{[%clk 0:04:55.3] +0.45 best c3-d4}"}));
}
