#include "tools/computer_games.h"
#include <cstdio>
#include "book/opening_book.h"
#include "enddb/program_steps.h"
#include "game/message_text.h"
#include "game/game.h"
#include "game/player_factory.h"

const GameFiles& gameFiles() {
  static const GameFiles files = locateGameFiles(currentFileEnvironment());
  return files;
}

void loadOpeningBook() {
  Book.loadBookFiles(gameFiles().whiteBook, gameFiles().blackBook);
}

void reportRefusedFiles(const DatabaseLoad& load) {
  for (const RefusedFile& file : load.refused)
    std::fprintf(stderr, "tarvenn-engine: %s is not used: %s\n", file.name.c_str(), file.reason.c_str());
}

void prepareDatabase() { reportRefusedFiles(prepareStartupDatabase(gameFiles().databaseFolder)); }

void prepareComputerKnowledge() {
  prepareDatabase();
  loadOpeningBook();
}

Game* newComputerGame(double seconds, Level level, SearchRunner& runner, const Position& start) {
  GameSetup setup;
  setup.start = start;
  setup.white = setup.black = computerSide(level, seconds);
  PlayerServices services;
  services.runner = &runner;
  services.book = &Book;
  return new Game(setup, makePlayer(setup.white, services), makePlayer(setup.black, services));
}

// The window's piece symbols, which scripts reading the tool's lines know them by.
constexpr SideNames LogSymbols{"@wc", "@bc"};

void PrintLog::write(const LogLine& line) {
  std::printf("%s\n", lineText(line, LogSymbols).c_str());
  std::fflush(stdout);
}
