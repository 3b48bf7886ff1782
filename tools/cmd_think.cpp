// tarvenn-engine think [--fen FEN] --time SECONDS [--engine LEVEL]: one decision of the
// computer player at a level (classic by default), logged as the game logs it.
#include "book/opening_book.h"
#include "enddb/database.h"
#include "game/game.h"
#include "search/search_runner.h"
#include "tools/commands.h"
#include "tools/computer_games.h"
#include "tools/tool_args.h"

int runThink(int argc, char** argv) {
  ToolArgs args;
  std::string error;
  if (!parseToolArgs(argc, argv, {"--time", "--engine"}, args, error)) return toolError(error);
  if (!args.positional.empty()) return toolError("unexpected argument: " + args.positional[0]);
  double seconds = 0;
  if (!args.options.count("--time") || !readSeconds(args.options["--time"], seconds) || seconds <= 0)
    return toolError("--time needs a positive number of seconds");
  Level level;
  if (!readEngineLevel(args, level, error)) return toolError(error);

  PrintLog log;
  InlineRunner runner(endgameDatabase);
  Game* game = newComputerGame(seconds, level, runner, args.position);
  game->log = &log;
  if (game->moveCount() == 0) {
    delete game;
    return toolError("the side to move has no legal move");
  }
  prepareComputerKnowledge();
  (args.position.whiteToMove ? game->whitePlayer() : game->blackPlayer())->takeTurn();
  delete game;  // no turn loop runs: the decision alone, without the game's own messages
  return 0;
}
