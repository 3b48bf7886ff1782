#include "ui/progress_window.h"
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Progress.H>
#include <FL/Fl_Window.H>
#include <cstdio>

namespace {

// The work goes on whatever the user does, so the close button is ignored.
void ignoreClose(Fl_Widget*, void*) {}

}  // namespace

ProgressWindow::ProgressWindow(const char* title, const char* text) {
  Fl_Group::current(nullptr);
  window = new Fl_Window(360, 90, title);
  Fl_Box* label = new Fl_Box(10, 10, 340, 30, text);
  label->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
  bar = new Fl_Progress(10, 50, 340, 25, percent);
  bar->minimum(0);
  bar->maximum(1);
  bar->selection_color(fl_rgb_color(120, 165, 235));
  window->end();
  window->callback(ignoreClose);
  // A rebuild during a game keeps the player from starting another one meanwhile.
  window->set_modal();
  window->show();
}

ProgressWindow::~ProgressWindow() {
  window->hide();
  delete window;
  Fl::flush();
}

void ProgressWindow::setFraction(double fraction) {
  if (fraction < 0) fraction = 0;
  if (fraction > 1) fraction = 1;
  std::snprintf(percent, sizeof percent, "%d %%", int(fraction * 100));
  bar->value((float)fraction);
  bar->label(percent);
}
