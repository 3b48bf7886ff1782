// Shows the given lines in the program's log browser, in a window of their own, so that a
// window test can compare the real log with known text pixel by pixel. Prints the top of the
// first row and the row height.
#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <cstdio>
#include "ui/browser_log.h"
#include "ui/main_window.h"

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
