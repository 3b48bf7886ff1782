#include "display.h"
#include <FL/x.H>
#include <cstdlib>
#include <unistd.h>

// A busy server now and then turns a connection away; the toolkit would end the process.
bool openDisplay() {
  if (fl_display) return true;
  static bool failed = !std::getenv("DISPLAY");
  if (failed) return false;
  for (int attempt = 0; attempt < 20; ++attempt) {
    if (Display* display = XOpenDisplay(nullptr)) {
      fl_open_display(display);
      return true;
    }
    usleep(100000);
  }
  failed = true;
  return false;
}
