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

namespace {

const char* statusWord(uint8_t status) {
  switch (status) {
    case StatusWin: return "win";
    case StatusLoss: return "loss";
    case StatusDraw: return "draw";
    default: return "not covered";
  }
}

}  // namespace

int runProbe(int argc, char** argv) {
  ToolArgs args;
  std::string error;
  if (!parseToolArgs(argc, argv, {}, args, error)) return toolError(error);
  if (!args.positional.empty()) return toolError("unexpected argument " + args.positional[0]);
  prepareStartupDatabase(gameFiles().databaseFolder);
  MoveRecord after{0, args.position.white, args.position.black, args.position.kings};
  const uint8_t status = args.whiteToMove
                             ? endgameDatabase.probeWhiteToMove(after.white, after.black, after.kings, after.from)
                             : endgameDatabase.probeBlackToMove(after.white, after.black, after.kings, after.from);
  if (status != StatusWin && status != StatusLoss) {
    std::printf("%s\n", statusWord(status));
    return 0;
  }
  char text[6] = {};
  Move(after).writeNotation(args.position.empty(), text);
  std::printf("%s %s\n", statusWord(status), text);
  return 0;
}
