// tarvenn-engine: the engine without a window, for scripts, tests and benchmarks.
#include <cstdio>
#include <cstring>
#include "files/file_locations.h"
#include "i18n/language.h"
#include "i18n/translate.h"
#include "tools/commands.h"
#include "tools/tool_args.h"

namespace {

struct Command {
  const char* name;
  int (*run)(int argc, char** argv);
  const char* arguments;
  const char* summary;
  const char* options;  // one line per option or argument
};

const char* const FenOption = N_("  --fen FEN        the position, as in W:W21,22,K23:B1-12 (White to move, squares\n"
                              "                   1 to 32 from Black's side, K a king); default the initial one\n");

const char* const EngineOption = N_("  --engine LEVEL   the computer's level: beginner, casual, classic (the default),\n"
                                 "                   strong or expert\n");

const Command Commands[] = {
    {"perft", runPerft, "[--fen FEN] DEPTH", N_("count the leaves of the move tree for each depth up to DEPTH"),
     N_("  DEPTH            0 to 30\n")},
    {"divide", runDivide, "[--fen FEN] DEPTH", N_("count the leaves at DEPTH below each legal move"),
     N_("  DEPTH            1 to 30\n")},
    {"moves", runMoves, "[--fen FEN]", N_("list the legal moves in order with the position after each"), ""},
    {"think", runThink, "[--fen FEN] --time SECONDS [--engine LEVEL]",
     N_("print one decision of the computer as the game logs it"),
     N_("  --time SECONDS   the computer's time for the move, above 0 (the level scales it)\n")},
    {"play", runPlay, "--time SECONDS [--games N] [--pdn FILE] [--engine LEVEL]",
     N_("play whole games of the computer against itself"),
     N_("  --time SECONDS   the computer's time per move, above 0 (the level scales it)\n"
     "  --games N        the number of games, 1 to 100000 (default 1)\n"
     "  --pdn FILE       also append every game to FILE as PDN\n")},
    {"book", runBook, "[--fen FEN]", N_("print the opening book's size and its moves for the position"), ""},
    {"probe", runProbe, "[--fen FEN]", N_("print the end-game database's verdict and move for the side to move"),
     ""},
    {"search", runSearch, "[--fen FEN] --depth D [--engine LEVEL]",
     N_("print the fixed-depth search's score, nodes and time"),
     N_("  --depth D        the depth in plies, 1 to 62\n")},
    {"analyse", runAnalyse, "[--fen FEN] [--lines N] (--time SECONDS | --depth D)",
     N_("print the best lines of a position: rank, evaluation, depth and moves"),
     N_("  --lines N        the number of lines, 1 to 100 (default 3); fewer when fewer moves are legal\n"
     "  --time SECONDS   search this long, above 0\n"
     "  --depth D        or search this deep, 1 to 60 plies\n"
     "\n"
     "The evaluation is in men for the side to move (+0.45), or \"win in N\" / \"loss in N\"\n"
     "when the result is exact, N counting the moves of both sides to the end of the line.\n")},
    {"review", runReview, "FILE --time SECONDS [--game N] [--out FILE]",
     N_("mark the mistakes of a saved game and write it annotated"),
     N_("  FILE             a PDN file; its first game is reviewed unless --game says otherwise\n"
     "  --time SECONDS   the search's time for each position, above 0\n"
     "  --game N         the game of the file to review, from 1 (default 1)\n"
     "  --out FILE       write the game with its review as PDN: $6 ?!, $2 ?, $4 ?? and one\n"
     "                   comment a move, {+0.45 best c3-d4}, the evaluation from White's side\n"
     "\n"
     "One line a marked move: its number, the move, the mark, what it lost in men and the best\n"
     "move; then each side's count of marks and average loss a move. A move losing 0.30 men\n"
     "or more is an inaccuracy, 0.70 a mistake, 1.50 a blunder; throwing away an exact win, or\n"
     "an exact draw into a loss, is always a blunder. The best move and a forced move are never\n"
     "marked.\n")},
    {"pdn", runPdn, "FILE", N_("print each game of a PDN file: players, result, moves and last position"),
     N_("  FILE             a PDN file of one or more games; a damaged one gives its line and fault\n")},
    {"match", runMatch,
     "--white ENGINE[:SECONDS] --black ENGINE[:SECONDS] --time SECONDS --games N [--openings FILE] [--threads K] "
     "[--no-draw-offers] [--no-draw-rules] [--tc SECONDS[+INCREMENT]]",
     N_("play games between two engines from set openings and print the first engine's score and Elo"),
     N_("  --white ENGINE   the first engine: beginner, casual, classic, strong or expert, with\n"
     "                   its own seconds a move after a colon (classic:0.5); it plays White in\n"
     "                   odd games and Black in even ones, each opening twice\n"
     "  --black ENGINE   the second engine, written the same way\n"
     "  --time SECONDS   the time a move of an engine without its own, above 0\n"
     "  --games N        the number of games, 1 to 1000000; the openings repeat when N is\n"
     "                   more than twice their number\n"
     "  --openings FILE  one opening a line, as moves from the start (c3-d4 f6-g5) or a FEN;\n"
     "                   '#' starts a comment; default the shipped openings.txt\n"
     "  --threads K      games played at once, 1 to 256 (default every core; 1 with expert)\n"
     "  --no-draw-offers engines neither offer nor accept draws: games end by the board or the rules\n"
     "  --no-draw-rules  no draw rule ends a game, and the engines play as if there were none\n"
     "                   (to measure what the rules change)\n"
     "  --tc S[+I]       both engines play on a clock of S seconds for the game plus I seconds\n"
     "                   a move (10+0.1) instead of seconds a move; --time is then not needed\n"
     "\n"
     "Matches play without the opening book. The draw rules end a game as the game does: the\n"
     "same position a third time, 20 moves of each side with kings only and no capture, 16\n"
     "moves with three pieces against a lone king, 5 with two or fewer. A game still going\n"
     "after 300 plies is a draw.\n"
     "One line a game: its number, opening, the first engine's colour, the result for White,\n"
     "the plies played from the opening, how it ended (no-move, draw-agreed, ply-limit,\n"
     "repetition, kings-only, three-against-king, two-against-king, time) and the engines as\n"
     "White-Black; the summary counts the endings. On a clock it also counts each engine's\n"
     "losses on time and the seconds its clock ran a chosen move. A game an engine stalls with a move the\n"
     "game does not have ends \"stalled\", lost by that engine, and the match ends with status 1.\n")},
    {"tune", runTune,
     "[--games N] [--seed S] [--depth D] [--endgame N] [--epochs N] [--l2 X] [--anchor LIST] [--threads K] "
     "[--out FILE]",
     N_("fit the positional evaluation's weights to self-play games and the database"),
     N_("  --games N        self-play games, 1 to 1000000 (default 4000)\n"
     "  --seed S         the games' and samples' random seed, 0 to 10^12 (default 1)\n"
     "  --depth D        plies the strong search looks at each move, 1 to 12 (default 6)\n"
     "  --endgame N      positions drawn from the end-game database, 0 to 10000000 (default 20000)\n"
     "  --epochs N       fitting steps at most, 1 to 100000 (default 1000)\n"
     "  --l2 X           weight of the penalty on the squared weights (in men), 0 to 1000 (default 0)\n"
     "  --anchor LIST    weights kept as they are, e.g. men,kings (the default) or none\n"
     "  --threads K      games played at once, 1 to 256 (default every core); the table is the same\n"
     "  --out FILE       the table to write (default eval_weights.h in the working folder);\n"
     "                   search/eval_weights.h in the source tree is the one the build reads\n"
     "\n"
     "The games start with four random plies, then the strong search plays at the given depth\n"
     "with a little noise; a game ends on reaching the end-game database, by its verdict.\n"
     "Positions from ply 10 whose side to move cannot capture are labelled by the game's\n"
     "result, and positions drawn from the database by its verdict. The same options give\n"
     "the same table; the games use the weights the program was built with.\n")},
};

// The help speaks the user's language once translations are started; nothing else does.
const char* translated(const char* text) { return *text ? gettext(text) : text; }

void printCommands(FILE* out) {
  std::fprintf(out, "%s", _("usage: tarvenn-engine COMMAND [options]   (tarvenn-engine COMMAND --help for its options)\n\n"));
  for (const Command& command : Commands) std::fprintf(out, "  %-8s %s\n", command.name, translated(command.summary));
  std::fprintf(out, "%s",
               _("\nThe book and the database are read where the game reads them: the working folder\n"
               "when it holds the game's files, else the data folder (see tarvenn --help).\n"));
}

void printCommandHelp(const Command& command) {
  std::printf(_("usage: tarvenn-engine %s %s\n%s\n"), command.name, command.arguments, translated(command.summary));
  const bool takesFen = std::strstr(command.arguments, "--fen") != nullptr;
  const bool takesEngine = std::strstr(command.arguments, "--engine") != nullptr;
  if (takesFen || *command.options)
    std::printf("\n%s%s%s", takesFen ? translated(FenOption) : "", translated(command.options),
                takesEngine ? translated(EngineOption) : "");
}

bool asksForHelp(int argc, char** argv) {
  for (int i = 0; i < argc; ++i)
    if (std::strcmp(argv[i], "--help") == 0) return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    printCommands(stderr);
    return 2;
  }
  if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    startTranslations(currentFileEnvironment().programFolder, "");
    printCommands(stdout);
    return 0;
  }
  for (const Command& command : Commands) {
    if (std::strcmp(argv[1], command.name) != 0) continue;
    if (asksForHelp(argc - 2, argv + 2)) {
      startTranslations(currentFileEnvironment().programFolder, "");
      printCommandHelp(command);
      return 0;
    }
    return command.run(argc - 2, argv + 2);
  }
  return toolError(std::string("unknown command: ") + argv[1]);
}
