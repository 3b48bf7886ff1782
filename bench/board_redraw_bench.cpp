// Redraw time of the main board at a window size (default 1280x900, as the main window lays
// it out): a board in the middle of a game with frames, crosses and square names, drawn and
// flushed to the X server 100 times; prints the median and the slowest in milliseconds.
//   board_redraw_bench [WIDTH HEIGHT]     (needs an X display, e.g. Xvfb)
#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>
#include "ui/board_view.h"
#include "ui/window_layout.h"

int main(int argc, char** argv) {
  const int width = argc == 3 ? std::atoi(argv[1]) : 1280, height = argc == 3 ? std::atoi(argv[2]) : 900;
  LayoutParts parts;
  parts.coordinates = true;
  const WindowLayout layout = layoutFor(width, height, parts);
  Fl_Window window(width, height, "board redraw");
  const Box& b = layout.coordinates.empty() ? layout.board : layout.coordinates;
  BoardView board(b.x, b.y, b.w, b.h);
#if __has_include("ui/board_theme.h")  // built from a tree with the coordinate margin
  board.margin = layout.board.x - b.x;
#endif
  window.end();
  window.show();
  // The toolkit draws a window only once the server has shown it.
  for (int i = 0; i < 20; ++i) Fl::wait(0.05);
  // A middle game: kings, men, a capture's crosses and two frames on one square.
  board.showPosition(Position(0x0000F2FF, 0xF3C00000, 0x80000001, true), 0x00003000);
  board.marks[9] = 1;
  board.marks[13] = 2;
  board.showNames = true;
  std::vector<double> times;
  for (int i = 0; i < 110; ++i) {
    const auto start = std::chrono::steady_clock::now();
    board.redraw();
    Fl::flush();
    XSync(fl_display, False);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (i >= 10) times.push_back(ms);  // the first draws warm the caches and the fonts
  }
  std::sort(times.begin(), times.end());
  std::printf("board %dx%d in a %dx%d window: median %.2f ms, slowest %.2f ms over %zu redraws\n", b.w, b.h, width,
              height, times[times.size() / 2], times.back(), times.size());
  return 0;
}
