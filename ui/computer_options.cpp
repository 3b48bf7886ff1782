#include "ui/computer_options.h"
#include "i18n/translate.h"
#include <FL/Fl.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Value_Input.H>
#include <string>
#include "ui/time_slider.h"

namespace {

constexpr int TimeInputWidth = 45, RowHeight = 20, LevelRow = 40;

// The typed time and the slider each follow the other.
void onSliderMoved(Fl_Widget*, void* options) {
  ComputerOptions* o = (ComputerOptions*)options;
  o->typedTime->value(o->slider->seconds());
}
void onTimeTyped(Fl_Widget* input, void* options) {
  ComputerOptions* o = (ComputerOptions*)options;
  o->slider->setSeconds(o->typedTime->value());
  // Once typing is over, a time out of range shows as the one used.
  if (Fl::focus() != input) o->typedTime->value(o->slider->seconds());
}

// Every level with its meaning, one line each: the choice's tooltip.
const char* levelsTooltip() {
  static const std::string text = [] {
    std::string lines;
    for (int i = 0; i < LevelCount; ++i)
      // TRANSLATORS: a level and its meaning, one line of the level choice's tooltip.
      lines += std::string(i ? "\n" : "") + formatText(_("%s: %s"), _(levelName((Level)i)), levelMeaning((Level)i));
    return lines;
  }();
  return text.c_str();
}

}  // namespace

const char* levelMeaning(Level level) {
  switch (level) {
    case Level::Beginner:
      return _("looks two or three moves ahead and slips now and then; it loses pieces a club player would keep.");
    case Level::Casual:
      return _("knows good positions but looks only a few moves ahead, with a little chance in its choice.");
    case Level::Classic: return _("counts pieces and thinks for the time chosen: the computer as it has always played.");
    case Level::Strong: return _("judges positions as draughts players do and thinks for the time chosen.");
    case Level::Expert: return _("the strong player given twice the time chosen and both processor cores.");
  }
  return "";
}

ComputerOptions::ComputerOptions(int x, int y, int w) : Fl_Group(x, y, w, Height) {
  slider = new TimeSlider(x, y, w - TimeInputWidth - 5, RowHeight, _("time to move (in sec)"));
  slider->callback(onSliderMoved, this);
  typedTime = new Fl_Value_Input(x + w - TimeInputWidth, y, TimeInputWidth, RowHeight);
  typedTime->bounds(0.01, 30);
  typedTime->precision(2);
  typedTime->when(FL_WHEN_CHANGED | FL_WHEN_RELEASE);
  typedTime->callback(onTimeTyped, this);
  levelChoice = new Fl_Choice(x + w / 3, y + LevelRow, w - w / 3, RowHeight, _("level:"));
  for (int i = 0; i < LevelCount; ++i) levelChoice->add(_(levelName((Level)i)));
  levelChoice->value((int)DefaultLevel);
  levelChoice->tooltip(levelsTooltip());
  end();
  onSliderMoved(slider, this);
}

void ComputerOptions::resize(int x, int y, int w, int h) {
  Fl_Widget::resize(x, y, w, h);
  slider->resize(x, y, w - TimeInputWidth - 5, RowHeight);
  typedTime->resize(x + w - TimeInputWidth, y, TimeInputWidth, RowHeight);
  levelChoice->resize(x + w / 3, y + LevelRow, w - w / 3, RowHeight);
}

double ComputerOptions::seconds() const { return slider->seconds(); }

Level ComputerOptions::level() const {
  const int chosen = levelChoice->value();
  return chosen >= 0 && chosen < LevelCount ? (Level)chosen : DefaultLevel;
}

void ComputerOptions::showChoice(double seconds, Level level) {
  slider->setSeconds(seconds);
  onSliderMoved(slider, this);
  levelChoice->value((int)level);
}

void ComputerOptions::takeTypedTime() { typedTime->do_callback(); }
