// The tarvenn executable: reads the command line, then either
// computes the end-game database or runs the interactive game.
#include <iostream>
#include "app/command_line.h"
#include "app/interactive.h"
#include "enddb/program_steps.h"

int main(int argc, char** argv) {
  const CommandLine line = readCommandLine(argc, argv);
  if (line.kind == CommandLine::Error) {
    std::cerr << line.message << std::endl;
    return 1;
  }
  if (line.kind == CommandLine::Database) return runDatabaseGeneration(endgameDatabase, line.pieces);
#ifdef TARVENN_WITH_WINDOW
  return runInteractive(argc, argv);
#else
  std::cerr << "This build has no window (configured with TARVENN_GUI off)." << std::endl;
  return 1;
#endif
}
