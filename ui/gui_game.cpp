#include "ui/gui_game.h"
#include <FL/Fl.H>
#include "engine/clock.h"

bool GuiGame::pause(double seconds) {
  const double start = wallClock();
  for (;;) {
    const double remaining = seconds - (wallClock() - start);
    if (remaining < 0) return false;
    Fl::wait(remaining);
    if (result() == Canceled) return true;
  }
}
