// tarvenn-engine play --time SECONDS [--games N] [--pdn FILE] [--engine LEVEL]: whole games
// of the computer at a level (classic by default) against itself, every logged line printed,
// and one summary line per game; with --pdn every game is also appended to FILE as PDN.
#include <cstdio>
#include "book/opening_book.h"
#include "enddb/database.h"
#include "game/game.h"
#include "pdn/pdn_writer.h"
#include "search/computer_player.h"
#include "search/search_runner.h"
#include "tools/commands.h"
#include "tools/computer_games.h"
#include "tools/played_game_pdn.h"
#include "tools/tool_args.h"

namespace {

constexpr long long MaxGames = 100000;

const char* outcomeName(const Game& game) {
  if (game.result() == Drawn) return "draw";
  return game.whiteToMove() ? "black-wins" : "white-wins";  // the side to move has lost
}

}  // namespace

int runPlay(int argc, char** argv) {
  ToolArgs args;
  std::string error;
  if (!parseToolArgs(argc, argv, {"--time", "--games", "--pdn", "--engine"}, args, error)) return toolError(error);
  if (!args.positional.empty()) return toolError("unexpected argument: " + args.positional[0]);
  if (args.options.count("--fen")) return toolError("play starts from the initial position; --fen is not taken");
  double seconds = 0;
  if (!args.options.count("--time") || !readSeconds(args.options["--time"], seconds) || seconds <= 0)
    return toolError("--time needs a positive number of seconds");
  long long games = 1;
  if (args.options.count("--games") && (!readCount(args.options["--games"], MaxGames, games) || games < 1))
    return toolError("--games needs a whole number from 1 to 100000");
  Level level;
  if (!readEngineLevel(args, level, error)) return toolError(error);

  const bool keepPdn = args.options.count("--pdn");
  if (keepPdn && !checkAppendable(args.options["--pdn"], error)) return toolError(error);

  prepareComputerKnowledge();
  PrintLog log;
  InlineRunner runner(endgameDatabase);
  for (long long i = 0; i < games; ++i) {
    Game* game = new Game(newComputerPlayer(seconds, level, runner), newComputerPlayer(seconds, level, runner));
    game->log = &log;
    game->startGame();
    std::printf("result %s plies %d\n", outcomeName(*game), game->record.count());
    const bool kept = !keepPdn || appendPdnGame(args.options["--pdn"], pdnOfPlayedGame(*game, i + 1), error);
    delete game;
    if (!kept) return toolError(error);
  }
  return 0;
}
