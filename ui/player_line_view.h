// A line beside the board with a player's name on the left and the clock on the right;
// the side to move in bold, a clock under 10 s in red.
#pragma once
#include <FL/Fl_Group.H>
#include "ui/controller/player_lines.h"

class Fl_Box;

class PlayerLineView : public Fl_Group {
public:
  PlayerLineView(int x, int y, int w, int h);
  void showLine(const PlayerLine& line);

private:
  Fl_Box* name;
  Fl_Box* clock;
};
