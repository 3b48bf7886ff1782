// probe: the end-game database's verdict on a position and, for a win or a
// loss, its move. The database comes from the game's files like the game's
// (three pieces computed when fewer are there).
#include <cstdio>
#include "enddb/database.h"
#include "enddb/program_steps.h"
#include "engine/movelist.h"
#include "tools/commands.h"
#include "tools/computer_games.h"
#include "tools/tool_args.h"

int runProbe(int argc, char** argv) {
  ToolArgs args;
  std::string error;
  if (!parseToolArgs(argc, argv, {}, args, error)) return toolError(error);
  if (!args.positional.empty()) return toolError("unexpected argument " + args.positional[0]);
  prepareDatabase();
  SquareSet white = args.position.white, black = args.position.black, kings = args.position.kings, from = 0;
  const uint8_t status = args.position.whiteToMove ? endgameDatabase.probeWhiteToMove(white, black, kings, from)
                                                   : endgameDatabase.probeBlackToMove(white, black, kings, from);
  if (status != StatusWin && status != StatusLoss) {
    std::printf("%s\n", statusWord(status));
    return 0;
  }
  const Position after(white, black, kings, !args.position.whiteToMove);
  char text[6] = {};
  moveBetween(args.position, from, after).writeNotation(text);
  std::printf("%s %s\n", statusWord(status), text);
  return 0;
}
