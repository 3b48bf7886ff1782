#include "ui/message_boxes.h"
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <memory>
#include <string>
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
class MarkupBox : public Fl_Window {
public:
  MarkupBox(const char* icon, const char* cancelLabel, const char* okLabel, const char* text, Fl_Image* picture)
      : Fl_Window(1, 1), answer{this, 0} {
    int textW, textH;
    measureMarkup(text, textW, textH, FL_HELVETICA, FL_NORMAL_SIZE);
    const int w = std::max(textW, 270) + 90, h = std::max(textH, 50) + 55;
    size(w, h);
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
      cancel->callback(answerNo, &answer);
      right -= 90;
    }
    if (okLabel) {
      Fl_Button* ok = new Fl_Return_Button(right - 80, h - 35, 80, 25, okLabel);
      ok->callback(answerYes, &answer);
    }
    end();
  }

  int exec() {
    set_modal();
    show();
    while (shown()) Fl::wait();
    return answer.value;
  }

private:
  BoxAnswer answer;
};

std::unique_ptr<MarkupBox> informationBox(const char* text, Fl_Image* picture) {
  Fl_Group::current(nullptr);
  return std::unique_ptr<MarkupBox>(new MarkupBox("i", nullptr, _("&OK"), text, picture));
}

std::unique_ptr<MarkupBox> questionBox(const char* text) {
  Fl_Group::current(nullptr);
  return std::unique_ptr<MarkupBox>(new MarkupBox("?", _("&No"), _("&Yes"), text, nullptr));
}

std::string formatted(const char* format, va_list args) {
  char text[1024];
  std::vsnprintf(text, sizeof text, format, args);
  return text;
}

}  // namespace

std::unique_ptr<Fl_Window> makeInformationBox(const char* text, Fl_Image* picture) {
  return informationBox(text, picture);
}

std::unique_ptr<Fl_Window> makeQuestionBox(const char* text) { return questionBox(text); }

void showMessage(const char* format, ...) {
  va_list args;
  va_start(args, format);
  const std::string text = formatted(format, args);
  va_end(args);
  informationBox(text.c_str(), nullptr)->exec();
}

void showMessageWithPicture(Fl_Image* picture, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const std::string text = formatted(format, args);
  va_end(args);
  informationBox(text.c_str(), picture)->exec();
}

bool askQuestion(const char* format, ...) {
  va_list args;
  va_start(args, format);
  const std::string text = formatted(format, args);
  va_end(args);
  return questionBox(text.c_str())->exec() == 1;
}

bool askAlert(const char* cancelLabel, const char* okLabel, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const std::string text = formatted(format, args);
  va_end(args);
  Fl_Group::current(nullptr);
  return MarkupBox("!", cancelLabel, okLabel, text.c_str(), nullptr).exec() == 1;
}

void showAlert(const char* format, ...) {
  va_list args;
  va_start(args, format);
  const std::string text = formatted(format, args);
  va_end(args);
  Fl_Group::current(nullptr);
  MarkupBox("!", nullptr, _("&OK"), text.c_str(), nullptr).exec();
}
