// Every board shows its last move apart from its squares, and the names kept in the settings
// find their board again.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <algorithm>
#include <cmath>
#include <fstream>
#include <set>
#include <string>
#include "tests/support/scratch_directory.h"
#include "ui/board_sounds.h"
#include "ui/board_theme.h"

namespace {

// Relative luminance and contrast ratio as the accessibility guidelines define them.
double luminance(Colour c) {
  auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b);
}
double contrast(Colour a, Colour b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
double distance(Colour a, Colour b) { return std::fabs(a.r - b.r) + std::fabs(a.g - b.g) + std::fabs(a.b - b.b); }

TEST(BoardThemes, EveryBoardShowsItsLastMoveAndCoordinatesApart) {
  for (const BoardTheme& t : BoardThemes) {
    EXPECT_GT(distance(t.lastMove, t.dark), 0.25) << t.name << ": the last move's squares stand out";
    EXPECT_GT(distance(t.lastMove, t.light), 0.25) << t.name;
    EXPECT_GT(contrast(t.coordinates, t.margin), 4.5) << t.name << ": the coordinates read on the margin";
    EXPECT_GT(distance(t.margin, t.dark), 0.05) << t.name << ": the margin is not taken for a square";
  }
  EXPECT_GE(contrast(BoardThemes[boardThemeIndex("contrast")].light, BoardThemes[boardThemeIndex("contrast")].dark),
            7.0);
}

TEST(BoardThemes, NamesFindTheirBoardAndUnknownNamesTheDefault) {
  std::set<std::string> names;
  for (int i = 0; i < BoardThemeCount; ++i) {
    EXPECT_EQ(boardThemeIndex(BoardThemes[i].name), i);
    names.insert(BoardThemes[i].name);
  }
  for (int i = 0; i < PieceSetCount; ++i) EXPECT_EQ(pieceSetIndex(PieceSets[i].name), i);
  EXPECT_EQ(names.size(), (size_t)BoardThemeCount) << "no two boards share a name";
  for (const char* damaged : {"", "Wood", "woods", "flat"}) EXPECT_EQ(boardThemeIndex(damaged), 0) << damaged;
  EXPECT_EQ(pieceSetIndex("wood"), 0);
}

TEST(BoardSoundFiles, TheFirstFolderHoldingTheSoundWinsAndNoneGivesSilence) {
  ScratchDirectory scratch;
  const std::string first = scratch.path + "/first", second = scratch.path + "/second";
  for (const std::string& folder : {first, second}) {
    mkdir(folder.c_str(), 0700);
    mkdir((folder + "/sounds").c_str(), 0700);
  }
  std::ofstream(second + "/sounds/move.wav") << "RIFF";
  std::ofstream(first + "/sounds/capture.wav") << "RIFF";
  std::ofstream(second + "/sounds/capture.wav") << "RIFF";
  mkdir((first + "/sounds/move.wav").c_str(), 0700);  // a folder by the sound's name is no sound
  EXPECT_EQ(soundFile({first, second}, BoardSound::Move), second + "/sounds/move.wav");
  EXPECT_EQ(soundFile({first, second}, BoardSound::Capture), first + "/sounds/capture.wav");
  EXPECT_EQ(soundFile({first, second}, BoardSound::GameEnd), "");
  EXPECT_EQ(soundFile({}, BoardSound::Move), "");
  // Playing without any file, or with sound off, neither fails nor blocks.
  BoardSounds silent({scratch.path + "/none"});
  silent.play(BoardSound::LowClock);
  BoardSounds off({second});
  off.on = false;
  off.play(BoardSound::Move);
}

TEST(BoardSoundFiles, ASoundServerOrAPlaybackDeviceMakesSoundsHeard) {
  ScratchDirectory scratch;
  const std::string devices = scratch.path + "/snd", runtime = scratch.path + "/run";
  mkdir(devices.c_str(), 0700);
  mkdir(runtime.c_str(), 0700);
  std::ofstream(devices + "/controlC0") << "";
  std::ofstream(devices + "/pcmC0D0c") << "";  // a microphone plays nothing
  EXPECT_FALSE(soundDeviceFound(nullptr, runtime, devices));
  EXPECT_FALSE(soundDeviceFound("", "", scratch.path + "/none"));
  EXPECT_TRUE(soundDeviceFound("tcp:host", "", ""));
  std::ofstream(devices + "/pcmC0D0p") << "";
  EXPECT_TRUE(soundDeviceFound(nullptr, "", devices));
  mkdir((runtime + "/pulse").c_str(), 0700);
  std::ofstream(runtime + "/pulse/native") << "";  // a plain file is no server
  EXPECT_FALSE(soundDeviceFound(nullptr, runtime, scratch.path + "/none"));
}

}  // namespace
