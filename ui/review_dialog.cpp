#include "ui/review_dialog.h"
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Round_Button.H>
#include <cstdio>
#include <string>
#include "game/settings.h"
#include "i18n/translate.h"

bool runReviewDialog(double& seconds) {
  constexpr int Count = sizeof ReviewSeconds / sizeof ReviewSeconds[0];
  const double last = loadReviewSeconds();
  Fl_Double_Window window(300, 90 + 24 * Count, _("Review game"));
  Fl_Box heading(10, 10, 280, 40, _("The computer searches every position of the game for:"));
  heading.align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT | FL_ALIGN_WRAP);
  Fl_Round_Button* choices[Count];
  std::string labels[Count];
  for (int i = 0; i < Count; ++i) {
    char text[40];
    std::snprintf(text, sizeof text, _("%g s a position"), ReviewSeconds[i]);
    labels[i] = text;
    choices[i] = new Fl_Round_Button(20, 50 + 24 * i, 200, 22, labels[i].c_str());
    choices[i]->type(FL_RADIO_BUTTON);
    if (ReviewSeconds[i] == last) choices[i]->setonly();
  }
  Fl_Return_Button start(110, 58 + 24 * Count, 90, 25, _("Review"));
  Fl_Button cancel(205, 58 + 24 * Count, 85, 25, _("Cancel"));
  window.end();
  window.set_modal();
  window.show();
  bool accepted = false;
  while (window.shown()) {
    Fl::wait();
    for (Fl_Widget* pressed; (pressed = Fl::readqueue());) {
      if (pressed == &start) accepted = true;
      if (pressed == &start || pressed == &cancel || pressed == &window) window.hide();
    }
  }
  if (!accepted) return false;
  for (int i = 0; i < Count; ++i)
    if (choices[i]->value()) seconds = ReviewSeconds[i];
  std::string error;
  saveReviewSeconds(seconds, error);  // not kept: asked again next time, nothing else is lost
  return true;
}
