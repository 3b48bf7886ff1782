#include "app/interactive.h"
#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include "book/opening_book.h"
#include "enddb/program_steps.h"
#include "ui/main_window.h"

int runInteractive(int argc, char** argv) {
  Book.loadBookFiles();
  prepareStartupDatabase();  // at least the 3-piece database, computed silently if need be
  Fl_Window* window = buildMainWindow(600, 500);
  window->show(argc, argv);
  const int status = Fl::run();
  delete window;
  return status;
}
