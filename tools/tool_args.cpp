#include "tools/tool_args.h"
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include "engine/fen.h"

bool parseToolArgs(int argc, char** argv, const std::vector<std::string>& allowed, ToolArgs& args,
                   std::string& error, const std::vector<std::string>& switches) {
  for (int i = 0; i < argc; ++i) {
    const std::string word = argv[i];
    if (word.size() < 2 || word.compare(0, 2, "--") != 0) {
      args.positional.push_back(word);
      continue;
    }
    if (std::find(switches.begin(), switches.end(), word) != switches.end()) {
      if (hasFlag(args, word)) {
        error = "option " + word + " given twice";
        return false;
      }
      args.flags.push_back(word);
      continue;
    }
    if (word != "--fen" && std::find(allowed.begin(), allowed.end(), word) == allowed.end()) {
      error = "unknown option " + word;
      return false;
    }
    if (i + 1 >= argc) {
      error = "option " + word + " needs a value";
      return false;
    }
    const std::string value = argv[++i];
    if (args.options.count(word)) {
      error = "option " + word + " given twice";
      return false;
    }
    args.options[word] = value;
    if (word == "--fen" && !parseFen(value, args.position, error)) return false;
  }
  return true;
}

bool hasFlag(const ToolArgs& args, const std::string& flag) {
  return std::find(args.flags.begin(), args.flags.end(), flag) != args.flags.end();
}

bool readCount(const std::string& text, long long max, long long& value) {
  if (text.empty() || text.size() > 12) return false;
  value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return value <= max;
}

bool readSeconds(const std::string& text, double& value) {
  if (text.empty() || text[0] == '-' || text[0] == '+' || std::isspace((unsigned char)text[0])) return false;
  char* end = nullptr;
  errno = 0;
  value = std::strtod(text.c_str(), &end);
  return errno == 0 && *end == '\0' && std::isfinite(value) && value >= 0;
}

bool readAnalysisSeconds(const ToolArgs& args, double& seconds, std::string& error) {
  const auto time = args.options.find("--time");
  if (time != args.options.end() && readSeconds(time->second, seconds) && seconds > 0 && seconds <= 86400) return true;
  error = "--time needs seconds above 0, at most 86400";
  return false;
}

bool readEngineLevel(const ToolArgs& args, Level& level, std::string& error) {
  level = DefaultLevel;
  const auto engine = args.options.find("--engine");
  if (engine == args.options.end() || parseLevel(engine->second, level)) return true;
  error = "--engine needs a level: ";
  for (int i = 0; i < LevelCount; ++i) error += std::string(i ? ", " : "") + levelName((Level)i);
  return false;
}

int toolError(const std::string& message) {
  std::cerr << "tarvenn-engine: " << message << std::endl;
  return 2;
}
