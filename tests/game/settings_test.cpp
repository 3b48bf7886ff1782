// The new-game choices survive a restart, and a missing or damaged file gives the defaults.
#include <gtest/gtest.h>
#include <dirent.h>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include "game/settings.h"
#include "tests/support/scratch_directory.h"

namespace {

// Points XDG_CONFIG_HOME and HOME at a scratch folder for one test and restores them.
class SettingsTest : public ::testing::Test {
protected:
  ScratchDirectory scratch;

  void SetUp() override {
    for (const char* name : {"XDG_CONFIG_HOME", "HOME"}) {
      const char* value = std::getenv(name);
      saved.push_back({name, value ? value : "", value != nullptr});
    }
    setenv("XDG_CONFIG_HOME", (scratch.path + "/config").c_str(), 1);
    setenv("HOME", (scratch.path + "/home").c_str(), 1);
  }
  void TearDown() override {
    for (const Saved& s : saved) s.had ? setenv(s.name, s.value.c_str(), 1) : unsetenv(s.name);
  }

  static std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  static void write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  int filesIn(const std::string& folder) {
    int count = 0;
    if (DIR* dir = opendir(folder.c_str())) {
      while (dirent* entry = readdir(dir)) count += entry->d_name[0] != '.';
      closedir(dir);
    }
    return count;
  }

private:
  struct Saved {
    const char* name;
    std::string value;
    bool had;
  };
  std::vector<Saved> saved;
};

SideSetup side(PlayerKind kind, double seconds, Level level) {
  SideSetup side;
  side.kind = kind;
  side.seconds = seconds;
  side.level = level;
  return side;
}
const PlayerKind Human = PlayerKind::Person, Computer = PlayerKind::Computer;

GameSetup sample() {
  GameSetup choices;
  choices.white = side(Computer, 2.5, Level::Strong);
  choices.black = side(Human, 0.01, Level::Classic);
  return choices;
}

GameSetup blackComputer() {
  GameSetup choices;
  choices.black.kind = Computer;
  return choices;
}

void expectChoices(const GameSetup& read, const GameSetup& expected, const std::string& context) {
  EXPECT_EQ(read.start, InitialPosition) << context;
  EXPECT_EQ(read.white.kind, expected.white.kind) << context;
  EXPECT_DOUBLE_EQ(read.white.seconds, expected.white.seconds) << context;
  EXPECT_EQ(read.white.level, expected.white.level) << context;
  EXPECT_EQ(read.black.kind, expected.black.kind) << context;
  EXPECT_DOUBLE_EQ(read.black.seconds, expected.black.seconds) << context;
  EXPECT_EQ(read.black.level, expected.black.level) << context;
}

TEST_F(SettingsTest, ChoicesSurviveARestartInTheConfigFolder) {
  expectChoices(loadNewGameSetup(), GameSetup(), "no file yet");
  std::string error;
  ASSERT_TRUE(saveNewGameSetup(sample(), error)) << error;
  EXPECT_EQ(newGameChoicesPath(), scratch.path + "/config/tarvenn/new-game");
  expectChoices(loadNewGameSetup(), sample(), "saved");
  EXPECT_EQ(filesIn(scratch.path + "/config/tarvenn"), 1) << "no temporary file is left behind";
}

TEST_F(SettingsTest, WithoutXdgConfigHomeTheFolderIsUnderHome) {
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(settingsFolder(), scratch.path + "/home/.config/tarvenn");
  setenv("XDG_CONFIG_HOME", "relative/path", 1);  // not absolute: to be ignored
  EXPECT_EQ(settingsFolder(), scratch.path + "/home/.config/tarvenn");
  std::string error;
  ASSERT_TRUE(saveNewGameSetup(sample(), error)) << error;
  expectChoices(readNewGameSetup(scratch.path + "/home/.config/tarvenn/new-game"), sample(), "under HOME");
  unsetenv("XDG_CONFIG_HOME");
  unsetenv("HOME");
  EXPECT_EQ(settingsFolder(), "");
  expectChoices(loadNewGameSetup(), GameSetup(), "no folder at all");
  EXPECT_FALSE(saveNewGameSetup(sample(), error));
  EXPECT_NE(error.find("HOME"), std::string::npos) << error;
}

TEST_F(SettingsTest, DamagedFilesAndValuesGiveTheDefaults) {
  const struct {
    std::string text;
    GameSetup expected;
  } cases[] = {
      {std::string("\x7f" "ELF\x02\x01\x01\0\0\0", 10), GameSetup()},
      {"white.player = \nwhite.seconds = abc\nwhite.level = a\x01z\nblack.player = computer\n", blackComputer()},
      {"white.seconds = 31\nblack.seconds = 0.001\nblack.player = computer\n", blackComputer()},
      {"white.seconds = nan\nwhite.seconds\nblack.player = computer\n", blackComputer()},
      {"white.player = ../../etc\nblack.player = computer\nwhite.seconds = -1\n", blackComputer()},
      {"white.player = human\nblack.player = " + std::string(40, 'x') + "\nblack.player = computer", blackComputer()},
      {std::string(100000, 'z') + "\nblack.player = computer\n", GameSetup()},  // too long to be ours
      {"", GameSetup()},
  };
  const std::string path = scratch.path + "/new-game";
  for (const auto& c : cases) {
    write(path, c.text);
    expectChoices(readNewGameSetup(path), c.expected, c.text.substr(0, 60));
  }
}

TEST_F(SettingsTest, EveryLevelSurvivesARestartOnEitherSide) {
  const std::string path = scratch.path + "/new-game";
  for (int i = 0; i < LevelCount; ++i) {
    GameSetup choices;
    choices.white = side(Computer, 0.5, (Level)i);
    choices.black = side(Computer, 30, (Level)(LevelCount - 1 - i));
    std::string error;
    ASSERT_TRUE(writeNewGameSetup(path, choices, error)) << error;
    EXPECT_NE(contents(path).find(std::string("white.level = ") + levelName((Level)i) + "\n"), std::string::npos)
        << contents(path);
    expectChoices(readNewGameSetup(path), choices, levelName((Level)i));
  }
}

TEST_F(SettingsTest, AnUnknownOrDamagedLevelReadsAsClassic) {
  const std::string path = scratch.path + "/new-game";
  GameSetup strongWhite;
  strongWhite.white = side(Computer, 2, Level::Strong);
  const char* const damaged[] = {"Strong", "strong2", "3", "", "grandmaster", "expert expert", "classic;strong"};
  for (const char* level : damaged) {
    const std::string text = "white.player = computer\nwhite.seconds = 2\nwhite.level = strong\n"
                             "black.level = " + std::string(level) + "\nwhite.level = " + level + "\n";
    GameSetup expected = strongWhite;
    expected.white.level = Level::Classic;  // the last line of a key counts, and it is damaged
    write(path, text);
    expectChoices(readNewGameSetup(path), expected, std::string("level '") + level + "'");
  }
  // A file written before there were levels: the other choices stay, the levels are classic.
  write(path, "# Tarvenn: the new-game dialog's last choices\nwhite.player = computer\nwhite.seconds = 2.00\n"
              "black.player = human\nblack.seconds = 1.00\n");
  GameSetup old;
  old.white = side(Computer, 2, Level::Classic);
  expectChoices(readNewGameSetup(path), old, "a file without levels");
  // Saving over it adds the levels and keeps what it had.
  std::string error;
  old.white.level = Level::Expert;
  ASSERT_TRUE(writeNewGameSetup(path, old, error)) << error;
  expectChoices(readNewGameSetup(path), old, "saved over a file without levels");
}

TEST_F(SettingsTest, SavingKeepsLinesItDoesNotKnow) {
  std::string error;
  ASSERT_TRUE(saveNewGameSetup(GameSetup(), error)) << error;
  const std::string path = newGameChoicesPath();
  write(path, contents(path) + "board.flipped = 1\n");
  ASSERT_TRUE(saveNewGameSetup(sample(), error)) << error;
  EXPECT_NE(contents(path).find("board.flipped = 1\n"), std::string::npos) << contents(path);
  expectChoices(loadNewGameSetup(), sample(), "after the second save");
}

TEST_F(SettingsTest, AFailedSaveLeavesTheOldFileAndNoTemporaryFile) {
  std::string error;
  ASSERT_TRUE(saveNewGameSetup(sample(), error)) << error;
  const std::string folder = settingsFolder();
  const std::string before = contents(newGameChoicesPath());
  // A folder where the file should be: the rename fails.
  const std::string blocked = folder + "/blocked";
  mkdir(blocked.c_str(), 0700);
  write(blocked + "/inside", "kept");
  EXPECT_FALSE(writeNewGameSetup(blocked, GameSetup(), error));
  EXPECT_NE(error.find("blocked"), std::string::npos) << error;
  EXPECT_EQ(contents(blocked + "/inside"), "kept");
  EXPECT_EQ(filesIn(folder), 2) << "the choices file and the blocking folder only";
  // A file where the settings folder should be.
  write(scratch.path + "/plain", "x");
  setenv("XDG_CONFIG_HOME", (scratch.path + "/plain").c_str(), 1);
  EXPECT_FALSE(saveNewGameSetup(sample(), error));
  EXPECT_EQ(contents(scratch.path + "/plain"), "x");
  setenv("XDG_CONFIG_HOME", (scratch.path + "/config").c_str(), 1);
  EXPECT_EQ(contents(newGameChoicesPath()), before);
}

TEST_F(SettingsTest, ChoicesOutOfRangeAreNotWritten) {
  std::string error;
  GameSetup bad = sample();
  bad.white.seconds = 0;
  EXPECT_FALSE(saveNewGameSetup(bad, error));
  bad = sample();
  bad.black.kind = (PlayerKind)7;
  EXPECT_FALSE(saveNewGameSetup(bad, error));
  bad = sample();
  bad.white.level = (Level)LevelCount;
  EXPECT_FALSE(saveNewGameSetup(bad, error));
  expectChoices(loadNewGameSetup(), GameSetup(), "nothing was written");
}

TEST_F(SettingsTest, TheLastGameFolderSurvivesARestartBesideTheNewGameChoices) {
  std::string error;
  EXPECT_EQ(loadLastGameFolder(), "") << "none before the first file";
  ASSERT_TRUE(saveNewGameSetup(sample(), error)) << error;
  ASSERT_TRUE(saveLastGameFolder("/home/ana/Draughts games", error)) << error;
  EXPECT_EQ(loadLastGameFolder(), "/home/ana/Draughts games");
  EXPECT_EQ(loadNewGameSetup().white.level, Level::Strong) << "the choices stay";
  ASSERT_TRUE(saveNewGameSetup(sample(), error)) << error;
  EXPECT_EQ(loadLastGameFolder(), "/home/ana/Draughts games") << "and the folder stays with new choices";
  // Only an absolute path on one line is kept; a damaged value reads as none.
  EXPECT_FALSE(saveLastGameFolder("games", error));
  EXPECT_FALSE(saveLastGameFolder("/a\nwhite.level = expert", error));
  EXPECT_EQ(loadLastGameFolder(), "/home/ana/Draughts games");
  write(newGameChoicesPath(), "files.folder = relative/folder\n");
  EXPECT_EQ(loadLastGameFolder(), "");
}

TEST_F(SettingsTest, TheBoardsLookSurvivesARestartBesideTheOtherChoices) {
  std::string error;
  const BoardChoices defaults = loadBoardChoices();
  EXPECT_EQ(defaults.style, "") << "no file: the window's default board";
  EXPECT_TRUE(defaults.animation && defaults.sound);
  ASSERT_TRUE(saveNewGameSetup(sample(), error)) << error;
  ASSERT_TRUE(saveBoardChoices({"high-contrast", "flat", false, false}, error)) << error;
  const BoardChoices read = loadBoardChoices();
  EXPECT_EQ(read.style, "high-contrast");
  EXPECT_EQ(read.pieces, "flat");
  EXPECT_FALSE(read.animation);
  EXPECT_FALSE(read.sound);
  EXPECT_EQ(loadNewGameSetup().white.level, Level::Strong) << "the new-game choices stay";
  ASSERT_TRUE(saveNewGameSetup(sample(), error)) << error;
  EXPECT_EQ(loadBoardChoices().style, "high-contrast") << "and the look stays with new choices";
}

TEST_F(SettingsTest, DamagedBoardChoicesFallBackOneByOne) {
  struct Case {
    const char* text;
    const char* style;
    const char* pieces;
    bool animation, sound;
  };
  const Case cases[] = {
      {"board.style = Wood\nboard.pieces = flat\n", "", "flat", true, true},  // names are lower case
      {"board.style = wood; rm\nboard.animation = 0\n", "", "", true, true},  // only "off" turns it off
      {"board.style = wood\nboard.style = \nboard.sound = off\n", "", "", true, false},  // the last line counts
      {"board.pieces = aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\nboard.animation = off\n", "", "", false, true},
      {"board.style = gr\x01" "een\nboard.style = green\n", "green", "", true, true},  // a control character drops its line
  };
  mkdir((scratch.path + "/config").c_str(), 0700);
  mkdir((scratch.path + "/config/tarvenn").c_str(), 0700);
  for (const Case& c : cases) {
    write(newGameChoicesPath(), c.text);
    const BoardChoices read = loadBoardChoices();
    EXPECT_EQ(read.style, c.style) << c.text;
    EXPECT_EQ(read.pieces, c.pieces) << c.text;
    EXPECT_EQ(read.animation, c.animation) << c.text;
    EXPECT_EQ(read.sound, c.sound) << c.text;
  }
  std::string error;
  const std::string before = contents(newGameChoicesPath());
  EXPECT_FALSE(saveBoardChoices({"wood\nwhite.level = expert", "flat", true, true}, error));
  EXPECT_FALSE(saveBoardChoices({"", "flat", true, true}, error));
  EXPECT_EQ(contents(newGameChoicesPath()), before) << "a refused save leaves the file";
}

}  // namespace

namespace {

TEST_F(SettingsTest, TheReviewTimeIsKeptBesideTheOtherChoicesAndOnlyAnOfferedTimeIsRead) {
  const std::string path = scratch.path + "/settings";
  EXPECT_EQ(readReviewSeconds(path), 1.0) << "no file";
  write(path, "white.player = computer\nfiles.folder = /home/ana\n");
  std::string error;
  ASSERT_TRUE(writeReviewSeconds(path, 3, error)) << error;
  EXPECT_EQ(readReviewSeconds(path), 3.0);
  EXPECT_NE(contents(path).find("white.player = computer"), std::string::npos) << "the other lines stay";
  EXPECT_NE(contents(path).find("files.folder = /home/ana"), std::string::npos);
  for (const char* damaged : {"review.seconds = 2.00\n", "review.seconds = nan\n", "review.seconds = -1\n",
                              "review.seconds = 10.00 s\n", "review.seconds =\n"}) {
    write(path, damaged);
    EXPECT_EQ(readReviewSeconds(path), 1.0) << damaged;
  }
  write(path, "review.seconds = 0.50\n");
  EXPECT_EQ(readReviewSeconds(path), 0.5);
}

TEST_F(SettingsTest, TheChosenLanguageSurvivesARestartAndOnlyKnownOnesAreKept) {
  std::string error;
  EXPECT_EQ(loadLanguageChoice(), "") << "the desktop's language before any choice";
  ASSERT_TRUE(saveNewGameSetup(sample(), error)) << error;
  for (const char* code : {"pt_BR", "ru", "en", ""}) {
    ASSERT_TRUE(saveLanguageChoice(code, error)) << error;
    EXPECT_EQ(loadLanguageChoice(), code);
    EXPECT_EQ(loadNewGameSetup().white.level, Level::Strong) << "the choices stay beside " << code;
  }
  // A language the game does not speak is neither written nor read; the file stays as it was.
  ASSERT_TRUE(saveLanguageChoice("ru", error)) << error;
  const std::string before = contents(newGameChoicesPath());
  for (const char* code : {"de", "pt", "RU", "ru\nwhite.level = expert", "system"}) {
    EXPECT_FALSE(saveLanguageChoice(code, error)) << code;
    EXPECT_EQ(contents(newGameChoicesPath()), before) << code;
  }
  for (const char* line : {"view.language = fr\n", "view.language = ../../etc\n", "view.language = system\n",
                           "view.language\n", "view.language = \x01ru\n"}) {
    write(newGameChoicesPath(), line);
    EXPECT_EQ(loadLanguageChoice(), "") << line;
  }
}

}  // namespace

TEST_F(SettingsTest, ClocksSurviveARestartAndADamagedOneMeansSecondsAMove) {
  const std::string path = scratch.path + "/new-game";
  GameSetup odds = sample();
  odds.white.clock = {300, 3};
  odds.black.clock = {};
  std::string error;
  ASSERT_TRUE(writeNewGameSetup(path, odds, error)) << error;
  EXPECT_NE(contents(path).find("white.clock = 300+3\n"), std::string::npos) << contents(path);
  EXPECT_NE(contents(path).find("black.clock = -\n"), std::string::npos) << contents(path);
  GameSetup read = readNewGameSetup(path);
  EXPECT_EQ(read.white.clock, (TimeControl{300, 3}));
  EXPECT_FALSE(read.black.clock.onClock());
  for (const char* damaged : {"300+", "0", "-300", "5:00", "1e99", "300+3x"}) {
    write(path, std::string("white.clock = ") + damaged + "\n");
    EXPECT_FALSE(readNewGameSetup(path).white.clock.onClock()) << damaged;
  }
}
