// moves: the legal moves in list order with the position each one leads to.
#include <cstdio>
#include "engine/fen.h"
#include "engine/movelist.h"
#include "tools/commands.h"
#include "tools/tool_args.h"

int runMoves(int argc, char** argv) {
  ToolArgs args;
  std::string error;
  if (!parseToolArgs(argc, argv, {}, args, error)) return toolError(error);
  if (!args.positional.empty()) return toolError("unexpected argument " + args.positional[0]);
  for (const Move& move : MoveList(args.position)) {
    char text[6] = {};
    move.writeNotation(text);
    std::printf("%s %s\n", text, writeFen(move.after).c_str());
  }
  return 0;
}
