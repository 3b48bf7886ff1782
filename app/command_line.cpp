#include "app/command_line.h"
#include <cctype>

namespace {

// Unsigned decimal: leading white space skipped, digits up to the first non-digit,
// at least one digit. A sign is not a digit. Saturates instead of overflowing.
bool readLeadingNumber(const char* text, unsigned long& value) {
  while (std::isspace((unsigned char)*text)) ++text;
  if (!std::isdigit((unsigned char)*text)) return false;
  value = 0;
  for (; std::isdigit((unsigned char)*text); ++text)
    if (value < 1000000) value = value * 10 + (unsigned long)(*text - '0');
  return true;
}

}  // namespace

CommandLine readCommandLine(int argc, char** argv) {
  CommandLine line;
  if (argc < 2) return line;
  const std::string option = argv[1];
  if (option == "-h" || option == "--help") {
    line.kind = CommandLine::Help;
    return line;
  }
  if (option == "--version") {
    line.kind = CommandLine::Version;
    return line;
  }
  line.kind = CommandLine::Error;
  if (option != "-e" && option != "--enddbgen") {
    line.message = "Unrecognized parameter 1: " + option;
    return line;
  }
  unsigned long pieces = 0;
  if (argc < 3 || !readLeadingNumber(argv[2], pieces)) {
    line.message = "After parameter 1(" + option + ") end db size required (1 to 5).";
    return line;
  }
  if (pieces < 1 || pieces > 5) {
    line.message = "End db size should be from 1 to 5.";
    return line;
  }
  line.kind = CommandLine::Database;
  line.pieces = (int)pieces;
  return line;
}
