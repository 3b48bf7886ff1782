// Runs the engine tool built beside the tests, and splits what it printed into lines.
#pragma once
#include <sstream>
#include <string>
#include <vector>
#include "tests/support/run_command.h"

inline CommandResult tool(const std::string& arguments) {
  return runCommand(std::string(ENGINE_TOOL) + " " + arguments);
}

inline std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}
