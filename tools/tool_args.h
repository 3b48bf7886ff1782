// Command-line parsing shared by the subcommands of tarvenn-engine.
#pragma once
#include <map>
#include <string>
#include <vector>
#include "engine/board.h"
#include "player/level.h"

struct ToolArgs {
  Position position = InitialPosition;
  std::map<std::string, std::string> options;  // "--depth" -> "12"; "--fen" is parsed into position
  std::vector<std::string> flags;              // options without a value that were given
  std::vector<std::string> positional;
};

// Reads argv after the subcommand. Every option takes a value but the `switches`; only those
// in `allowed` and `switches` are accepted. False with a one-line reason in `error`.
bool parseToolArgs(int argc, char** argv, const std::vector<std::string>& allowed, ToolArgs& args,
                   std::string& error, const std::vector<std::string>& switches = {});
// The switch was given.
bool hasFlag(const ToolArgs& args, const std::string& flag);

// Whole-string non-negative integer / number readers; false on anything else.
bool readCount(const std::string& text, long long max, long long& value);
bool readSeconds(const std::string& text, double& value);
// The --time of an analysis: seconds above 0, at most a day; false with the reason otherwise.
bool readAnalysisSeconds(const ToolArgs& args, double& seconds, std::string& error);

// The level named by --engine, classic when it is not given; false with the reason for any
// other name.
bool readEngineLevel(const ToolArgs& args, Level& level, std::string& error);

// Prints "tarvenn-engine: <message>" on standard error and returns exit status 2.
int toolError(const std::string& message);
