// The computer's options in the new-game dialog: its time per move on a slider with the
// time typed beside it, and its level below, each level explained in the choice's tooltip.
#pragma once
#include <FL/Fl_Group.H>
#include "player/level.h"

class Fl_Choice;
class Fl_Value_Input;
class TimeSlider;

class ComputerOptions : public Fl_Group {
public:
  static constexpr int Height = 62;

  ComputerOptions(int x, int y, int w);
  // Lays the parts out afresh: the slider and the typed time share the top row.
  void resize(int x, int y, int w, int h) override;

  double seconds() const;
  Level level() const;
  void showChoice(double seconds, Level level);
  // A time still being typed counts.
  void takeTypedTime();

  TimeSlider* slider;
  Fl_Value_Input* typedTime;
  Fl_Choice* levelChoice;
};

// One sentence a player reads to choose a level.
const char* levelMeaning(Level level);
