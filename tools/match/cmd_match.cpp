// tarvenn-engine match --white ENGINE[:SECONDS] --black ENGINE[:SECONDS] --time SECONDS --games N
// [--openings FILE] [--threads K] [--no-draw-offers] [--no-draw-rules] [--tc SECONDS+INCREMENT]: games between two
// engines from the openings file, each opening twice with colours swapped, on K threads; one line per game, then the
// summary from the first engine's side. With --tc both engines play on a clock instead of seconds per move.
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>
#include "enddb/database.h"
#include "enddb/program_steps.h"
#include "tools/commands.h"
#include "tools/computer_games.h"
#include "tools/match/match_openings.h"
#include "tools/match/match_play.h"
#include "tools/match/match_summary.h"
#include "tools/tool_args.h"

namespace {

constexpr long long MaxGames = 1000000;
constexpr long long MaxThreads = 256;

// "strong" or "strong:0.5"; without its own seconds the engine takes `seconds`.
bool readEngine(const std::string& text, double seconds, MatchEngine& engine, std::string& error) {
  const size_t colon = text.find(':');
  const std::string name = text.substr(0, colon);
  engine.kind = PlayerKind::Computer;
  if (!parseLevel(name, engine.level)) {
    error = "unknown engine '" + name + "': beginner, casual, classic, strong or expert";
    return false;
  }
  engine.seconds = seconds;
  if (colon != std::string::npos && (!readSeconds(text.substr(colon + 1), engine.seconds) || engine.seconds <= 0)) {
    error = "engine '" + text + "' needs a positive number of seconds after the colon";
    return false;
  }
  return true;
}

std::string engineText(const MatchEngine& engine) {
  if (engine.clock.onClock()) return std::string(levelName(engine.level)) + ":" + timeControlText(engine.clock);
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%g", engine.seconds);
  return std::string(levelName(engine.level)) + ":" + seconds;
}

struct MatchSetup {
  MatchEngine first, second;
  long long games = 0;
  int threads = 1;
  MatchRules rules;
  std::vector<Opening> openings;
};

// How many games ended each way, by GameEnding, and for each engine the games it lost on
// time and the time its clock ran over the moves it chose.
struct EndingCounts {
  int games[GameEndingCount] = {};
  int lostOnTime[2] = {};  // first, second
  double secondsUsed[2] = {};
  long long movesChosen[2] = {};
};

// The games run on `threads` workers that take the next game's number from a shared counter;
// a finished game's line is printed whole under the lock.
MatchTally playMatch(const MatchSetup& setup, EndingCounts& endings) {
  std::atomic<long long> next{0};
  std::mutex printing;
  MatchTally tally;
  auto worker = [&] {
    for (long long index; (index = next++) < setup.games;) {
      const MatchPairing pairing = pairingOf(index, (int)setup.openings.size());
      GameSetup gameSetup;
      gameSetup.start = setup.openings[pairing.opening].start;
      gameSetup.white = pairing.firstIsWhite ? setup.first : setup.second;
      gameSetup.black = pairing.firstIsWhite ? setup.second : setup.first;
      const std::string names = levelName(gameSetup.white.level) + std::string("-") + levelName(gameSetup.black.level);
      const MatchGameResult game = playMatchGame(gameSetup, endgameDatabase, MatchPlyLimit, setup.rules);
      std::lock_guard<std::mutex> lock(printing);
      countGame(tally, game.result, pairing.firstIsWhite);
      ++endings.games[(int)game.ending];
      for (int side = 0; side < 2; ++side) {  // White, Black
        const int engine = (side == 0) == pairing.firstIsWhite ? 0 : 1;
        endings.secondsUsed[engine] += game.secondsUsed[side];
        endings.movesChosen[engine] += game.movesChosen[side];
      }
      if (game.ending == GameEnding::OnTime)
        ++endings.lostOnTime[(game.result == GameResultForWhite::BlackWins) == pairing.firstIsWhite ? 0 : 1];
      std::printf("game %lld opening %d first-engine %s result %s plies %d end %s (%s)\n", index + 1,
                  pairing.opening + 1, pairing.firstIsWhite ? "white" : "black", resultText(game.result), game.plies,
                  endingText(game.ending), names.c_str());
      std::fflush(stdout);
    }
  };
  std::vector<std::thread> workers;
  for (int i = 1; i < setup.threads; ++i) workers.emplace_back(worker);
  worker();
  for (std::thread& thread : workers) thread.join();
  return tally;
}

void printSummary(const MatchSetup& setup, const MatchTally& tally, const EndingCounts& endings) {
  const EloEstimate elo = estimateElo(tally);
  std::printf("match %s against %s: %d game%s, wins %d draws %d losses %d for the first\n",
              engineText(setup.first).c_str(), engineText(setup.second).c_str(), tally.games(),
              tally.games() == 1 ? "" : "s", tally.wins, tally.draws, tally.losses);
  std::printf("score %.1f%% elo %s, 95%% interval %s to %s\n", 100 * elo.score, eloText(elo.elo).c_str(),
              eloText(elo.low).c_str(), eloText(elo.high).c_str());
  std::string counts = "endings";
  const bool clocks = setup.first.clock.onClock();
  for (int i = 0; i < GameEndingCount; ++i)
    if (clocks || (GameEnding)i != GameEnding::OnTime)
      counts += std::string(" ") + endingText((GameEnding)i) + " " + std::to_string(endings.games[i]);
  std::printf("%s\n", counts.c_str());
  if (!clocks) return;
  std::printf("lost on time: first %d second %d\n", endings.lostOnTime[0], endings.lostOnTime[1]);
  std::printf("seconds a chosen move: first %.3f second %.3f\n",
              endings.secondsUsed[0] / std::max(1LL, endings.movesChosen[0]),
              endings.secondsUsed[1] / std::max(1LL, endings.movesChosen[1]));
}

}  // namespace

int runMatch(int argc, char** argv) {
  ToolArgs args;
  std::string error;
  if (!parseToolArgs(argc, argv, {"--white", "--black", "--time", "--games", "--openings", "--threads", "--tc"}, args, error,
                     {"--no-draw-offers", "--no-draw-rules"}))
    return toolError(error);
  if (!args.positional.empty()) return toolError("unexpected argument: " + args.positional[0]);
  if (args.options.count("--fen")) return toolError("match starts from its openings; --fen is not taken");
  double seconds = 0;  // none: both engines must bring their own
  TimeControl clock;
  if (args.options.count("--tc")) {
    if (!parseTimeControl(args.options["--tc"], clock) || !clock.onClock())
      return toolError("--tc needs seconds for the game and an optional increment, such as 10+0.1");
    seconds = 1;  // the engines play on the clock; their seconds a move are not used
  }
  if (args.options.count("--time") && (!readSeconds(args.options["--time"], seconds) || seconds <= 0))
    return toolError("--time needs a positive number of seconds");
  MatchSetup setup;
  for (const char* option : {"--white", "--black"})
    if (!args.options.count(option)) return toolError(std::string(option) + " needs an engine, such as classic:0.1");
  if (!readEngine(args.options["--white"], seconds, setup.first, error) ||
      !readEngine(args.options["--black"], seconds, setup.second, error))
    return toolError(error);
  setup.first.clock = setup.second.clock = clock;
  if (setup.first.seconds <= 0 || setup.second.seconds <= 0)
    return toolError("--time needs a positive number of seconds");
  if (!args.options.count("--games") || !readCount(args.options["--games"], MaxGames, setup.games) ||
      setup.games < 1)
    return toolError("--games needs a whole number from 1 to 1000000");
  long long threads = std::max(1u, std::thread::hardware_concurrency());
  if (args.options.count("--threads") && (!readCount(args.options["--threads"], MaxThreads, threads) || threads < 1))
    return toolError("--threads needs a whole number from 1 to 256");
  // The expert searches on both cores itself.
  if (setup.first.level == Level::Expert || setup.second.level == Level::Expert) threads = 1;
  setup.threads = (int)std::min(threads, setup.games);
  setup.rules.drawOffers = !hasFlag(args, "--no-draw-offers");
  setup.rules.drawRules = !hasFlag(args, "--no-draw-rules");

  std::string openings = args.options.count("--openings") ? args.options["--openings"]
                                                          : defaultOpeningsFile(currentFileEnvironment());
  if (openings.empty()) return toolError("no openings.txt found beside the book; give --openings FILE");
  if (!readOpeningsFile(openings, setup.openings, error)) return toolError(error);

  prepareDatabase();
  EndingCounts endings;
  const MatchTally tally = playMatch(setup, endings);
  printSummary(setup, tally, endings);
  const int stalled = endings.games[(int)GameEnding::Stalled];
  if (stalled > 0) {  // counted as losses above, but a fault of an engine all the same
    std::fprintf(stderr, "tarvenn-engine: %d game%s stalled: an engine handed a move the game does not have\n",
                 stalled, stalled == 1 ? "" : "s");
    return 1;
  }
  return 0;
}
