#include "tools/computer_games.h"
#include <cstdio>
#include "book/opening_book.h"
#include "enddb/program_steps.h"

const GameFiles& gameFiles() {
  static const GameFiles files = locateGameFiles(currentFileEnvironment());
  return files;
}

void loadOpeningBook() {
  Book.loadBookFiles(gameFiles().whiteBook, gameFiles().blackBook);
}

void prepareComputerKnowledge() {
  prepareStartupDatabase(gameFiles().databaseFolder);
  loadOpeningBook();
}

void PrintLog::write(int, const char* prefix, const char* text) {
  std::printf("%s%s%s\n", prefix, *prefix ? " " : "", text);
  std::fflush(stdout);
}
