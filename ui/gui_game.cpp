#include "ui/gui_game.h"
#include <FL/Fl.H>
#include <sys/time.h>

namespace {

double wallClock() {
  timeval now;
  gettimeofday(&now, nullptr);
  return now.tv_sec + now.tv_usec / 1000000.0;
}

}  // namespace

bool GuiGame::pause(double seconds) {
  const double start = wallClock();
  for (;;) {
    const double remaining = seconds - (wallClock() - start);
    if (remaining < 0) return false;
    Fl::wait(remaining);
    if (result() == Canceled) return true;
  }
}
