#include "ui/clipboard.h"
#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Widget.H>

namespace {

// The toolkit hands pasted text to a widget's handle(); this one passes it on.
class PasteReceiver : public Fl_Widget {
public:
  std::function<void(const std::string&)> received;

  PasteReceiver() : Fl_Widget(0, 0, 0, 0) {}
  void draw() override {}
  int handle(int event) override {
    if (event != FL_PASTE) return Fl_Widget::handle(event);
    if (received) {
      auto callback = std::move(received);
      received = nullptr;
      callback(std::string(Fl::event_text(), Fl::event_length()));
    }
    return 1;
  }
};

PasteReceiver& receiver() {
  static PasteReceiver* widget = [] {
    Fl_Group* current = Fl_Group::current();
    Fl_Group::current(nullptr);
    PasteReceiver* made = new PasteReceiver;
    Fl_Group::current(current);
    return made;
  }();
  return *widget;
}

}  // namespace

void copyToClipboard(const std::string& text) { Fl::copy(text.c_str(), (int)text.size(), 1); }

void requestClipboardText(std::function<void(const std::string& text)> received) {
  receiver().received = std::move(received);
  Fl::paste(receiver(), 1);
}
