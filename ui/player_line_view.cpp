#include "ui/player_line_view.h"
#include <FL/Fl_Box.H>
#include "ui/markup.h"

namespace {

constexpr int ClockWidth = 90;
constexpr Fl_Color LowClockColour = FL_RED;

}  // namespace

PlayerLineView::PlayerLineView(int x, int y, int w, int h) : Fl_Group(x, y, w, h) {
  name = new Fl_Box(x, y, w - ClockWidth, h);
  name->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
  clock = new Fl_Box(x + w - ClockWidth, y, ClockWidth, h);
  clock->align(FL_ALIGN_RIGHT | FL_ALIGN_INSIDE);
  clock->labelfont(FL_COURIER_BOLD);
  clock->labelsize(16);
  resizable(name);
  end();
}

void PlayerLineView::showLine(const PlayerLine& line) {
  // A name from a saved game is shown as written, '@' and all.
  const std::string shownName = (line.toMove ? "@b;" : "") + plainForMarkup(line.name);
  name->copy_label(shownName.c_str());
  clock->copy_label(line.clock.c_str());
  clock->labelcolor(line.low ? LowClockColour : FL_FOREGROUND_COLOR);
  clock->box(line.toMove && !line.clock.empty() ? FL_THIN_DOWN_BOX : FL_NO_BOX);
  redraw();
}
