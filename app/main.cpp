// The tarvenn executable: fills the tables, reads the command line, then either
// computes the end-game database or runs the interactive game.
#include <iostream>
#include "app/command_line.h"
#include "enddb/index.h"
#include "enddb/program_steps.h"
#include "engine/board.h"

int main(int argc, char** argv) {
  fillPopCount16();
  fillBinomialTable();
  fillReverse16();
  const CommandLine line = readCommandLine(argc, argv);
  if (line.kind == CommandLine::Error) {
    std::cerr << line.message << std::endl;
    return 1;
  }
  if (line.kind == CommandLine::Database) return runDatabaseGeneration(line.pieces);
  std::cerr << "The interactive game is not built yet." << std::endl;
  return 0;
}
