#include <gtest/gtest.h>
#include <memory>
#include <string>
#include "game/player_type.h"
#include "book/opening_book.h"
#include "enddb/database.h"
#include "search/computer_player.h"
#include "search/search_runner.h"
#include "ui/computer_options.h"
#include "ui/time_slider.h"

namespace {

TEST(PlayerTypes, TheDialogOffersHumanThenComputer) {
  const auto& types = playerTypes();
  ASSERT_EQ(types.size(), 2u);
  EXPECT_EQ(std::string(types[0]->typeName()), "human");
  EXPECT_EQ(std::string(types[1]->typeName()), "computer");
  EXPECT_EQ(types[0]->createOptions(), nullptr);
}

TEST(PlayerTypes, TheComputerTakesItsTimeFromASliderStartingAtOneSecond) {
  PlayerType* computer = findPlayerType("computer");
  ASSERT_NE(computer, nullptr);
  std::unique_ptr<Fl_Widget> options(computer->createOptions());
  ComputerOptions* chosen = dynamic_cast<ComputerOptions*>(options.get());
  ASSERT_NE(chosen, nullptr);
  TimeSlider* slider = chosen->slider;
  EXPECT_EQ(std::string(slider->label()), "time to move (in sec)");
  EXPECT_DOUBLE_EQ(slider->seconds(), 1.0);
  slider->value(slider->minimum());
  InlineRunner runner(endgameDatabase);
  ComputerPlayerType* kind = static_cast<ComputerPlayerType*>(computer);
  kind->runner = &runner;
  kind->book = &Book;
  std::unique_ptr<Player> player(computer->createPlayer(chosen));
  ASSERT_NE(player, nullptr);
  EXPECT_DOUBLE_EQ(static_cast<ComputerPlayer*>(player.get())->timeLimit, 0.01);
  EXPECT_EQ(static_cast<ComputerPlayer*>(player.get())->level, Level::Classic);
  // The level chosen reaches the player; its time stays the slider's (the level scales it).
  for (Level level : {Level::Beginner, Level::Expert}) {
    chosen->showChoice(2.5, level);
    player.reset(computer->createPlayer(chosen));
    EXPECT_EQ(static_cast<ComputerPlayer*>(player.get())->level, level) << levelName(level);
    EXPECT_DOUBLE_EQ(static_cast<ComputerPlayer*>(player.get())->timeLimit, 2.5) << levelName(level);
  }
  player.reset();
  kind->runner = nullptr;
}

TEST(TimeSlider, TimesStayBetweenAHundredthAndThirtySeconds) {
  TimeSlider slider(0, 0, 100, 20, nullptr);
  slider.value(slider.minimum());
  EXPECT_DOUBLE_EQ(slider.seconds(), 0.01);
  slider.value(slider.maximum());
  EXPECT_DOUBLE_EQ(slider.seconds(), 30.0);
  slider.value(slider.clamp(slider.maximum() + 5));
  EXPECT_DOUBLE_EQ(slider.seconds(), 30.0);
  // The scale is logarithmic: its middle is the geometric mean of the ends, about half a second.
  slider.value((slider.minimum() + slider.maximum()) / 2);
  EXPECT_NEAR(slider.seconds(), 0.55, 0.01);
}

}  // namespace
