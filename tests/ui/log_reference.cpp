// Shows the given lines in the program's log browser, in a window of their own, so that a
// window test can compare the real log with known text pixel by pixel. Prints the top of the
// first row and the row height. With --status TEXT, shows TEXT in a status line as the main
// window draws it at the size it opens with, and prints the top and height of its inside.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Window.H>
#include <cstdio>
#include <string>
#include "ui/browser_log.h"
#include "ui/main_window.h"
#include "ui/window_layout.h"

namespace {
struct MeasuredLog : LogBrowser {
  using LogBrowser::LogBrowser;
  void print() {
    int x, y, w, h;
    bbox(x, y, w, h);
    std::printf("%d %d\n", y, item_height(item_first()));
    std::fflush(stdout);
  }
};
}  // namespace

int main(int argc, char** argv) {
  prepareToolkit();
  if (argc == 3 && std::string(argv[1]) == "--status") {
    const Box status = layoutFor(600, 500).status;
    Fl_Window window(status.w, status.h, "log reference");
    makeStatusLine(0, 0, status.w, status.h)->label(argv[2]);
    window.end();
    window.position(Fl::w() - window.w(), Fl::h() - window.h());
    window.show();
    Fl::flush();
    std::printf("1 %d\n", status.h - 2);  // inside the frame, which the window's neighbours may touch
    std::fflush(stdout);
    return Fl::run();
  }
  Fl_Window window(400, 100, "log reference");
  MeasuredLog* log = new MeasuredLog(0, 0, 400, 100);
  for (int i = 1; i < argc; ++i) log->add(argv[i]);
  window.end();
  window.position(Fl::w() - window.w(), Fl::h() - window.h());  // clear of the main window
  window.show();
  Fl::flush();
  log->print();
  return Fl::run();
}
