#include "ui/message_boxes.h"
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include "i18n/translate.h"
#include "ui/markup.h"

namespace {

struct BoxAnswer {
  Fl_Window* window;
  int value;
};

void answer(void* data, int value) {
  BoxAnswer* box = (BoxAnswer*)data;
  box->value = value;
  box->window->hide();
}
void answerNo(Fl_Widget*, void* data) { answer(data, 0); }
void answerYes(Fl_Widget*, void* data) { answer(data, 1); }

// A picture centred in its box; the markup labels draw text only.
class PictureBox : public Fl_Box {
public:
  PictureBox(int x, int y, int w, int h, Fl_Image* picture) : Fl_Box(x, y, w, h) { image(picture); }
  void draw() override {
    image()->draw(x() + (w() - image()->w()) / 2, y() + (h() - image()->h()) / 2);
  }
};

// The toolkit's own boxes measure text without the markup, so they are built here.
// `cancelLabel` answers 0 (Escape and closing too), `okLabel` answers 1 (Enter).
// A picture, when given, takes the icon's place.
int markupBox(const char* icon, const char* cancelLabel, const char* okLabel, const char* format, va_list args,
              Fl_Image* picture = nullptr) {
  char text[1024];
  std::vsnprintf(text, sizeof text, format, args);
  int textW, textH;
  measureMarkup(text, textW, textH, FL_HELVETICA, FL_NORMAL_SIZE);
  const int w = std::max(textW, 270) + 90, h = std::max(textH, 50) + 55;
  Fl_Group::current(nullptr);
  Fl_Window window(w, h);
  BoxAnswer boxAnswer{&window, 0};
  if (picture) {
    new PictureBox(10, 10, 50, 50, picture);
  } else {
    Fl_Box* iconBox = new Fl_Box(10, 10, 50, 50, icon);
    iconBox->box(FL_THIN_UP_BOX);
    iconBox->color(FL_WHITE);
    iconBox->labelfont(FL_TIMES_BOLD);
    iconBox->labelsize(34);
    iconBox->labelcolor(FL_BLUE);
  }
  Fl_Box* message = new Fl_Box(70, 10, w - 80, h - 55);
  message->copy_label(text);
  message->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
  int right = w - 10;
  if (cancelLabel) {
    Fl_Button* cancel = new Fl_Button(right - 80, h - 35, 80, 25, cancelLabel);
    cancel->callback(answerNo, &boxAnswer);
    right -= 90;
  }
  if (okLabel) {
    Fl_Button* ok = new Fl_Return_Button(right - 80, h - 35, 80, 25, okLabel);
    ok->callback(answerYes, &boxAnswer);
  }
  window.end();
  window.set_modal();
  window.show();
  while (window.shown()) Fl::wait();
  return boxAnswer.value;
}

}  // namespace

void showMessage(const char* format, ...) {
  va_list args;
  va_start(args, format);
  markupBox("i", nullptr, _("&OK"), format, args);
  va_end(args);
}

void showMessageWithPicture(Fl_Image* picture, const char* format, ...) {
  va_list args;
  va_start(args, format);
  markupBox("i", nullptr, "&OK", format, args, picture);
  va_end(args);
}

bool askQuestion(const char* format, ...) {
  va_list args;
  va_start(args, format);
  const int answer = markupBox("?", _("&No"), _("&Yes"), format, args);
  va_end(args);
  return answer == 1;
}

bool askAlert(const char* cancelLabel, const char* okLabel, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const int answer = markupBox("!", cancelLabel, okLabel, format, args);
  va_end(args);
  return answer == 1;
}

void showAlert(const char* format, ...) {
  va_list args;
  va_start(args, format);
  markupBox("!", nullptr, _("&OK"), format, args);
  va_end(args);
}
