// A game's setup: what it tells the window, and its way through a saved game's tags and back.
#include <gtest/gtest.h>
#include "engine/fen.h"
#include "pdn/pdn_reader.h"
#include "pdn/pdn_writer.h"
#include "game/setup_tags.h"

namespace {

const SideSetup Person{};

SideSetup computer(Level level, double seconds) { return computerSide(level, seconds); }

GameSetup setupOf(const SideSetup& white, const SideSetup& black) {
  GameSetup setup;
  setup.white = white;
  setup.black = black;
  return setup;
}

// The setup written as a saved game's text and read back.
GameSetup throughPdnText(const GameSetup& setup) {
  PdnGame pdn;
  pdn.start = setup.start;
  pdn.setTag("White", sideTitle(setup.white));
  pdn.setTag("Black", sideTitle(setup.black));
  writeSetupTags(setup, pdn);
  const PdnReading reading = readPdn(pdnText(pdn));
  if (!reading.ok() || reading.games.size() != 1) {
    ADD_FAILURE() << reading.fault.describe();
    return GameSetup();
  }
  return setupFromPdn(reading.games[0]);
}

TEST(GameSetup, KindNamesAreExactlyHumanAndComputer) {
  for (PlayerKind kind : {PlayerKind::Person, PlayerKind::Computer}) {
    PlayerKind read = kind == PlayerKind::Person ? PlayerKind::Computer : PlayerKind::Person;
    EXPECT_TRUE(parseKind(kindName(kind), read)) << kindName(kind);
    EXPECT_EQ(read, kind) << kindName(kind);
  }
  for (const char* name : {"", "Computer", "HUMAN", "robot", "computer ", "human\n"}) {
    PlayerKind read = PlayerKind::Computer;
    EXPECT_FALSE(parseKind(name, read)) << name;
    EXPECT_EQ(read, PlayerKind::Computer) << "a bad name leaves the kind: " << name;
  }
}

TEST(GameSetup, WhoPlaysByHandHowLongAHintThinksAndWhichWayTheBoardStarts) {
  const struct {
    SideSetup white, black;
    bool humanWhite, humanBlack;
    double hint;
    bool flipped;
  } cases[] = {
      {Person, Person, true, true, 1.0, false},
      {Person, computer(Level::Classic, 5), true, false, 5.0, false},
      {computer(Level::Strong, 0.01), Person, false, true, 1.0, true},  // at least a second
      {computer(Level::Classic, 2), computer(Level::Expert, 3), false, false, 3.0, false},
      {computer(Level::Classic, 30), computer(Level::Beginner, 3), false, false, 30.0, false},
  };
  for (const auto& c : cases) {
    const GameSetup setup = setupOf(c.white, c.black);
    const std::string what = std::string(kindName(c.white.kind)) + " against " + kindName(c.black.kind);
    EXPECT_EQ(humanSides(setup).white, c.humanWhite) << what;
    EXPECT_EQ(humanSides(setup).black, c.humanBlack) << what;
    EXPECT_DOUBLE_EQ(hintSeconds(setup), c.hint) << what;
    EXPECT_EQ(startsFlipped(setup), c.flipped) << what;
  }
}

TEST(SetupTags, EveryKindLevelAndTimeRoundTripsThroughASavedGame) {
  for (int i = 0; i < LevelCount; ++i) {
    GameSetup setup = setupOf(computer((Level)i, 0.25 * (i + 1)), Person);
    std::string error;
    ASSERT_TRUE(parseFen("B:W21,22:BK3", setup.start, error)) << error;
    const GameSetup read = throughPdnText(setup);
    EXPECT_EQ(read.start, setup.start) << levelName((Level)i);
    EXPECT_EQ(read.white.kind, PlayerKind::Computer) << levelName((Level)i);
    EXPECT_EQ(read.white.level, (Level)i) << levelName((Level)i);
    EXPECT_DOUBLE_EQ(read.white.seconds, 0.25 * (i + 1)) << levelName((Level)i);
    EXPECT_EQ(read.black.kind, PlayerKind::Person) << levelName((Level)i);
    // The other way round, for Black.
    const GameSetup swapped = throughPdnText(setupOf(Person, computer((Level)i, 30)));
    EXPECT_EQ(swapped.white.kind, PlayerKind::Person);
    EXPECT_EQ(swapped.black.kind, PlayerKind::Computer);
    EXPECT_EQ(swapped.black.level, (Level)i);
    EXPECT_DOUBLE_EQ(swapped.black.seconds, 30);
  }
}

TEST(SetupTags, APersonsSideCarriesNoLevelOrTimeAndDropsTheFilesOnes) {
  PdnGame pdn;
  pdn.setTag("WhiteLevel", "expert");
  pdn.setTag("WhiteTime", "3.00");
  writeSetupTags(setupOf(Person, computer(Level::Casual, 0.5)), pdn);
  EXPECT_EQ(pdn.tag("WhiteType"), "human");
  EXPECT_FALSE(pdn.hasTag("WhiteLevel"));
  EXPECT_FALSE(pdn.hasTag("WhiteTime"));
  EXPECT_EQ(pdn.tag("BlackType"), "computer");
  EXPECT_EQ(pdn.tag("BlackLevel"), "casual");
  EXPECT_EQ(pdn.tag("BlackTime"), "0.50");
}

TEST(SetupTags, DamagedLevelsAndTimesGiveTheDefaultsOneValueAtATime) {
  const struct {
    const char *level, *time;
    Level expectedLevel;
    double expectedSeconds;
  } cases[] = {
      {"strong", "0.01", Level::Strong, 0.01},  {"Strong", "2", Level::Classic, 2},
      {"", "", Level::Classic, 1},              {"casual", "31", Level::Casual, 1},
      {"beginner", "nan", Level::Beginner, 1},  {"expert", "1.5s", Level::Expert, 1},
      {"grandmaster", "abc", Level::Classic, 1}, {"classic", "0.001", Level::Classic, 1},
  };
  for (const auto& c : cases) {
    PdnGame edited;
    edited.setTag("WhiteType", "computer");
    edited.setTag("WhiteLevel", c.level);
    edited.setTag("WhiteTime", c.time);
    const SideSetup side = setupFromPdn(edited).white;
    EXPECT_EQ(side.kind, PlayerKind::Computer) << c.level << " " << c.time;
    EXPECT_EQ(side.level, c.expectedLevel) << c.level << " " << c.time;
    EXPECT_DOUBLE_EQ(side.seconds, c.expectedSeconds) << c.level << " " << c.time;
  }
}

TEST(SetupTags, TheKindComesFromTheTypeTagThenTheNameTagThenIsAPerson) {
  const struct {
    const char *type, *name;
    PlayerKind expected;
    const char* keptName;
  } cases[] = {
      {"robot", "computer", PlayerKind::Computer, ""}, {"robot", "Ana", PlayerKind::Person, "Ana"},
      {"", "Ana", PlayerKind::Person, "Ana"},         {"computer", "Ana", PlayerKind::Computer, "Ana"},
      {"Computer", "Ana", PlayerKind::Person, "Ana"},  {"", "human", PlayerKind::Person, ""},
      {nullptr, nullptr, PlayerKind::Person, ""},
  };
  for (const auto& c : cases) {
    PdnGame edited;
    if (c.name) edited.setTag("White", c.name);
    if (c.type) edited.setTag("WhiteType", c.type);
    const SideSetup side = setupFromPdn(edited).white;
    const std::string what = std::string(c.type ? c.type : "-") + " " + (c.name ? c.name : "-");
    EXPECT_EQ(side.kind, c.expected) << what;
    EXPECT_EQ(side.name, c.keptName) << what << ": a name that is not a kind is the player's";
    EXPECT_EQ(sideTitle(side), *c.keptName ? c.keptName : kindName(c.expected)) << what;
  }
}

TEST(SetupTags, AGameKeptBeforeTheTypeTagsNamesTheKindsInWhiteAndBlack) {
  const PdnReading old = readPdn(
      "[Event \"Tarvenn game\"]\n[White \"computer\"]\n[Black \"human\"]\n[Result \"*\"]\n"
      "[WhiteLevel \"expert\"]\n[WhiteTime \"3.00\"]\n\n1. c3-d4 *\n");
  ASSERT_TRUE(old.ok()) << old.fault.describe();
  const GameSetup resumed = setupFromPdn(old.games.at(0));
  EXPECT_EQ(resumed.start, InitialPosition) << "the moves follow the start, they do not move it";
  EXPECT_EQ(resumed.white.kind, PlayerKind::Computer);
  EXPECT_EQ(resumed.white.level, Level::Expert);
  EXPECT_DOUBLE_EQ(resumed.white.seconds, 3.0);
  EXPECT_EQ(resumed.black.kind, PlayerKind::Person);
}

}  // namespace
