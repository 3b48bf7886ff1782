// tarvenn-engine search [--fen FEN] --depth D [--engine LEVEL]: the fixed-depth search of the
// position analysis, with the end-game database prepared as the game does. The score is
// shown as the level's evaluation counts: whole men for the material count, hundredths of a
// man for the positional evaluation.
#include <cstdio>
#include "enddb/program_steps.h"
#include "enddb/database.h"
#include "engine/clock.h"
#include "player/level.h"
#include "search/search_engine.h"
#include "tools/commands.h"
#include "tools/computer_games.h"
#include "tools/tool_args.h"

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
  SearchEngine engine(endgameDatabase);
  const Evaluation evaluation = levelPlan(level).evaluation;
  const double start = wallClock();
  const Score score = engine.searchPosition(args.position, (int)depth, evaluation);
  const double seconds = wallClock() - start;
  std::printf("score %d nodes %llu time %.3f\n", countedValue(score, evaluation), (unsigned long long)engine.nodes(),
              seconds);
  return 0;
}
