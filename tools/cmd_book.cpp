// tarvenn-engine book [--fen FEN]: loads the book files the game would load,
// prints their counts and the book moves of the position.
#include <cstdio>
#include "book/opening_book.h"
#include "tools/commands.h"
#include "tools/computer_games.h"
#include "tools/tool_args.h"

int runBook(int argc, char** argv) {
  ToolArgs args;
  std::string error;
  if (!parseToolArgs(argc, argv, {"--fen"}, args, error)) return toolError(error);
  if (!args.positional.empty()) return toolError("unexpected argument: " + args.positional[0]);

  loadOpeningBook();
  std::printf("white %u %u black %u %u\n", Book.positionCount(true), Book.moveCount(true),
              Book.positionCount(false), Book.moveCount(false));
  for (const Move& move : Book.findBookMoves(args.position)) {
    char text[6] = {};
    move.writeNotation(text);
    std::puts(text);
  }
  return 0;
}
