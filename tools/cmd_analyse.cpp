// tarvenn-engine analyse [--fen FEN] [--lines N] (--time T | --depth D): the best lines of a
// position from the multi-line analysis, with the end-game database prepared as the game does.
#include <cstdio>
#include "enddb/database.h"
#include "search/line_text.h"
#include "search/multi_line.h"
#include "search/search_engine.h"
#include "tools/commands.h"
#include "tools/computer_games.h"
#include "tools/tool_args.h"

int runAnalyse(int argc, char** argv) {
  ToolArgs args;
  std::string error;
  if (!parseToolArgs(argc, argv, {"--lines", "--time", "--depth"}, args, error)) return toolError(error);
  if (!args.positional.empty()) return toolError("unexpected argument: " + args.positional[0]);
  long long lines = DefaultAnalysisLines;
  if (args.options.count("--lines") && (!readCount(args.options["--lines"], 100, lines) || lines < 1))
    return toolError("--lines needs a whole number from 1 to 100");
  const bool timed = args.options.count("--time") != 0;
  const bool deep = args.options.count("--depth") != 0;
  if (timed == deep) return toolError("give either --time SECONDS or --depth D");
  AnalysisLimit limit;
  if (timed && !readAnalysisSeconds(args, limit.seconds, error)) return toolError(error);
  long long depth = 0;
  if (deep && (!readCount(args.options["--depth"], DeepestAnalysis, depth) || depth < 1))
    return toolError("--depth needs a whole number from 1 to " + std::to_string(DeepestAnalysis));
  limit.depth = (int)depth;

  prepareDatabase();
  SearchEngine engine(endgameDatabase);
  const auto found = analyseLines(engine, args.position, (int)lines, limit);
  if (found.empty()) {
    std::printf("no legal move\n");
    return 0;
  }
  for (size_t i = 0; i < found.size(); ++i)
    std::printf("%s\n", analysisLineText((int)i + 1, args.position, found[i]).c_str());
  return 0;
}
