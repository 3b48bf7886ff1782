#include "app/interactive.h"
#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include "app/first_start.h"
#include "book/opening_book.h"
#include "files/file_locations.h"
#include "ui/main_window.h"

int runInteractive(int argc, char** argv) {
  const GameFiles files = locateGameFiles(currentFileEnvironment());
  Book.loadBookFiles(files.whiteBook, files.blackBook);
  prepareToolkit();
  // At least the 3-piece database; a first start computes 4 pieces.
  const DatabaseStart database = prepareGameDatabase(files);
  Fl_Window* window = buildMainWindow(600, 500);
  window->show(argc, argv);
  GameDatabaseCheck check(database);
  keepGamesInPlayAt(gameInPlayPath(currentFileEnvironment()));
  offerGameInPlay();
  const int status = Fl::run();
  delete window;
  return status;
}
