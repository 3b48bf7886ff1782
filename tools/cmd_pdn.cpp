// tarvenn-engine pdn FILE: reads every game of a PDN file and prints one line per game:
// its White, Black and Result tags, its number of moves and the FEN after its last move.
#include <cstdio>
#include "engine/fen.h"
#include "pdn/pdn_reader.h"
#include "pdn/pdn_writer.h"
#include "tools/commands.h"
#include "tools/tool_args.h"

int runPdn(int argc, char** argv) {
  ToolArgs args;
  std::string error;
  if (!parseToolArgs(argc, argv, {}, args, error)) return toolError(error);
  if (args.options.count("--fen")) return toolError("pdn reads its positions from the file; --fen is not taken");
  if (args.positional.size() != 1) return toolError("pdn needs one FILE");
  const std::string& path = args.positional[0];
  const PdnReading reading = readPdnFile(path);
  if (!reading.ok()) return toolError(path + ": " + reading.fault.describe());
  for (const PdnGame& game : reading.games)
    std::printf("White %s Black %s Result %s moves %zu FEN %s\n", pdnQuoted(game.tag("White", "?")).c_str(),
                pdnQuoted(game.tag("Black", "?")).c_str(), pdnQuoted(game.tag("Result", "?")).c_str(),
                game.moves.size(), writeFen(game.finalPosition()).c_str());
  return 0;
}
