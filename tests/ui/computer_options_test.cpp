#include <gtest/gtest.h>
#include <string>
#include "ui/computer_options.h"
#include "ui/time_slider.h"

namespace {

TEST(ComputerOptions, TheTimeStartsAtOneSecondOnASliderAndTheLevelAtClassic) {
  ComputerOptions options(0, 0, 200);
  TimeSlider* slider = options.slider;
  EXPECT_EQ(std::string(slider->label()), "time to move (in sec)");
  EXPECT_DOUBLE_EQ(options.seconds(), 1.0);
  EXPECT_EQ(options.level(), Level::Classic);
  slider->value(slider->minimum());
  EXPECT_DOUBLE_EQ(options.seconds(), 0.01);
  // What the dialog shows comes back as chosen; the time stays as given (the level scales it).
  for (Level level : {Level::Beginner, Level::Expert}) {
    options.showChoice(2.5, level);
    EXPECT_EQ(options.level(), level) << levelName(level);
    EXPECT_DOUBLE_EQ(options.seconds(), 2.5) << levelName(level);
  }
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
