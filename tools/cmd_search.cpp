// tarvenn-engine search [--fen FEN] --depth D: the fixed-depth search of the
// position analysis, with the end-game database prepared as the game does.
#include <cstdio>
#include "enddb/program_steps.h"
#include "enddb/database.h"
#include "search/search.h"
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
  if (!parseToolArgs(argc, argv, {"--depth"}, args, error)) return toolError(error);
  if (!args.positional.empty()) return toolError("unexpected argument: " + args.positional[0]);
  long long depth = 0;
  if (!args.options.count("--depth") || !readCount(args.options["--depth"], MaxSearchDepth, depth) || depth < 1)
    return toolError("--depth needs a whole number from 1 to 62");

  prepareStartupDatabase(gameFiles().databaseFolder);
  Search search(endgameDatabase);
  search.table.reset(DecisionSeconds);
  const Position& p = args.position;
  const double start = wallClock();
  const int score = search.searchNode(p.white, p.black, p.kings, p.whiteToMove, SCORE_MIN, SCORE_MAX, (int)depth);
  const double seconds = wallClock() - start;
  std::printf("score %d nodes %llu time %.3f\n", score, (unsigned long long)search.nodes(), seconds);
  return 0;
}
