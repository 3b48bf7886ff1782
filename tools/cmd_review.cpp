// tarvenn-engine review FILE --time T [--game N] [--out FILE]: searches every position of a
// saved game, prints its marked moves and each side's summary, and writes it annotated.
#include <cstdio>
#include "enddb/database.h"
#include "pdn/pdn_notation.h"
#include "pdn/pdn_reader.h"
#include "pdn/pdn_writer.h"
#include "pdn/review_notes.h"
#include "search/line_text.h"
#include "search/review.h"
#include "search/review_record.h"
#include "search/search_engine.h"
#include "tools/commands.h"
#include "tools/computer_games.h"
#include "tools/played_game_pdn.h"
#include "tools/tool_args.h"

namespace {

void printSummary(const char* side, const SideSummary& summary) {
  std::printf("%s: %d ?!, %d ?, %d ??, average loss %.2f over %d moves\n", side, summary.marks[1], summary.marks[2],
              summary.marks[3], summary.averageLoss(), summary.moves);
}

}  // namespace

int runReview(int argc, char** argv) {
  ToolArgs args;
  std::string error;
  if (!parseToolArgs(argc, argv, {"--time", "--game", "--out"}, args, error)) return toolError(error);
  if (args.options.count("--fen")) return toolError("review reads its game from the file; --fen is not taken");
  if (args.positional.size() != 1) return toolError("review needs one FILE");
  AnalysisLimit limit;
  if (!readAnalysisSeconds(args, limit.seconds, error)) return toolError(error);
  long long gameNumber = 1;
  if (args.options.count("--game") && (!readCount(args.options["--game"], 1000000, gameNumber) || gameNumber < 1))
    return toolError("--game needs a whole number from 1");

  const std::string& path = args.positional[0];
  const PdnReading reading = readPdnFile(path);
  if (!reading.ok()) return toolError(path + ": " + reading.fault.describe());
  if ((size_t)gameNumber > reading.games.size())
    return toolError(path + ": the file holds " + std::to_string(reading.games.size()) + " games, not " +
                     std::to_string(gameNumber));
  PdnGame game = reading.games[(size_t)gameNumber - 1];
  // A file that cannot be written is named before the review's time is spent.
  const bool writes = args.options.count("--out") != 0;
  if (writes && !checkAppendable(args.options["--out"], error)) return toolError(error);

  prepareDatabase();
  SearchEngine engine(endgameDatabase);
  const GameReview review = reviewGame(engine, {game.start, game.moves, limit});
  Position position = game.start;
  for (size_t i = 0; i < game.moves.size(); ++i) {
    const ReviewedPosition& p = review.positions[i];
    if (p.mark != MoveMark::None) {
      const int number = 1 + (int)(i + (game.start.whiteToMove ? 0 : 1)) / 2;
      std::printf("%d%s %s %s %s best %s\n", number, position.whiteToMove ? "." : "...",
                  moveText(position, game.moves[i]).c_str(), markText(p.mark), valueText(p.loss).c_str(),
                  moveText(position, p.best).c_str());
    }
    position = game.moves[i].after;
  }
  printSummary("White", review.white);
  printSummary("Black", review.black);
  if (writes) {
    writeReview(game, review);
    if (!savePdnGames(args.options["--out"], {game}, error)) return toolError(error);
  }
  return 0;
}
