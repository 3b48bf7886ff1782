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

namespace {

constexpr int Count = sizeof ReviewSeconds / sizeof ReviewSeconds[0];

class ReviewDialog : public Fl_Double_Window {
public:
  explicit ReviewDialog(double last) : Fl_Double_Window(300, 90 + 24 * Count, _("Review game")) {
    Fl_Box* heading = new Fl_Box(10, 10, 280, 40, _("The computer searches every position of the game for:"));
    heading->align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT | FL_ALIGN_WRAP);
    for (int i = 0; i < Count; ++i) {
      choices[i] = new Fl_Round_Button(20, 50 + 24 * i, 200, 22);
      choices[i]->copy_label(formatText(_("%g s a position"), ReviewSeconds[i]).c_str());
      choices[i]->type(FL_RADIO_BUTTON);
      if (ReviewSeconds[i] == last) choices[i]->setonly();
    }
    start = new Fl_Return_Button(110, 58 + 24 * Count, 90, 25, _("Review"));
    cancel = new Fl_Button(205, 58 + 24 * Count, 85, 25, _("Cancel"));
    end();
  }

  Fl_Round_Button* choices[Count];
  Fl_Button* start;
  Fl_Button* cancel;
};

}  // namespace

std::unique_ptr<Fl_Window> makeReviewDialog() {
  Fl_Group::current(nullptr);
  return std::unique_ptr<Fl_Window>(new ReviewDialog(loadReviewSeconds()));
}

bool runReviewDialog(double& seconds) {
  Fl_Group::current(nullptr);
  ReviewDialog window(loadReviewSeconds());
  window.set_modal();
  window.show();
  bool accepted = false;
  while (window.shown()) {
    Fl::wait();
    for (Fl_Widget* pressed; (pressed = Fl::readqueue());) {
      if (pressed == window.start) accepted = true;
      if (pressed == window.start || pressed == window.cancel || pressed == &window) window.hide();
    }
  }
  if (!accepted) return false;
  for (int i = 0; i < Count; ++i)
    if (window.choices[i]->value()) seconds = ReviewSeconds[i];
  std::string error;
  saveReviewSeconds(seconds, error);  // not kept: asked again next time, nothing else is lost
  return true;
}
