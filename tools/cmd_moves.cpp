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
  Move* moves = nullptr;
  const int count = args.whiteToMove ? args.position.whiteMoves(&moves) : args.position.blackMoves(&moves);
  for (int i = 0; i < count; ++i) {
    char text[6] = {};
    moves[i].writeNotation(args.position.empty(), text);
    std::printf("%s %s\n", text, writeFen(moves[i], !args.whiteToMove).c_str());
  }
  delete[] moves;
  return 0;
}
