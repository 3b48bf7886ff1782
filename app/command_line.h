// The game's own command line: nothing for a game, -e N / --enddbgen N for a database run,
// -h / --help for the usage and --version.
#pragma once
#include <string>

struct CommandLine {
  enum Kind { Interactive, Database, Help, Version, Error } kind = Interactive;
  int pieces = 0;       // for Database: 1..5
  std::string message;  // for Error: the one line for standard error
};

// Only the first two arguments count; anything after them is ignored.
CommandLine readCommandLine(int argc, char** argv);
