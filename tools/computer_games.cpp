#include "tools/computer_games.h"
#include <cstdio>
#include "book/opening_book.h"
#include "enddb/program_steps.h"

void prepareComputerKnowledge() {
  prepareStartupDatabase();
  Book.loadBookFiles();
}

void PrintLog::write(int, const char* prefix, const char* text) {
  std::printf("%s%s%s\n", prefix, *prefix ? " " : "", text);
  std::fflush(stdout);
}
