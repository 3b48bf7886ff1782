// tarvenn-engine search [--fen FEN] --depth D [--engine LEVEL]: the fixed-depth search of the
// position analysis, with the end-game database prepared as the game does. The positional
// levels search with the strong engine, in its own units (a man about 100).
#include <cstdio>
#include "enddb/program_steps.h"
#include "enddb/database.h"
#include "search/level_recipe.h"
#include "search/search.h"
#include "search/strong_search.h"
#include "tools/commands.h"
#include "engine/clock.h"
#include "tools/computer_games.h"
#include "tools/tool_args.h"

namespace {

constexpr double DecisionSeconds = 1.0;  // the table is sized as for a one-second move

}  // namespace

int runSearch(int argc, char** argv) {
  ToolArgs args;
  std::string error;
  if (!parseToolArgs(argc, argv, {"--depth", "--engine"}, args, error)) return toolError(error);
  if (!args.positional.empty()) return toolError("unexpected argument: " + args.positional[0]);
  long long depth = 0;
  if (!args.options.count("--depth") || !readCount(args.options["--depth"], MaxSearchDepth, depth) || depth < 1)
    return toolError("--depth needs a whole number from 1 to 62");
  Level level = DefaultLevel;
  if (args.options.count("--engine") && !parseLevel(args.options["--engine"], level))
    return toolError("--engine needs beginner, casual, classic, strong or expert, not '" + args.options["--engine"] + "'");

  prepareDatabase();
  Search search(endgameDatabase);
  const Position& p = args.position;
  if (levelRecipe(level).positional) {
    StrongSearcher& searcher = search.strongEngine().main;
    const double start = wallClock();
    const int score = searcher.searchPosition(p, -EvalInfinity, EvalInfinity, (int)depth);
    const double seconds = wallClock() - start;
    std::printf("score %d nodes %llu time %.3f\n", score, (unsigned long long)searcher.nodes(), seconds);
    return 0;
  }
  search.table.reset(DecisionSeconds);
  const double start = wallClock();
  const int score = search.searchNode(p.white, p.black, p.kings, p.whiteToMove, SCORE_MIN, SCORE_MAX, (int)depth);
  const double seconds = wallClock() - start;
  std::printf("score %d nodes %llu time %.3f\n", score, (unsigned long long)search.nodes(), seconds);
  return 0;
}
