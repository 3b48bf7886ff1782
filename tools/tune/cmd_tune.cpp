// tarvenn-engine tune [--games N] [--seed S] [--depth D] [--endgame N] [--epochs N] [--l2 X]
// [--anchor LIST] [--threads K] [--out FILE]: plays self-play games, labels their quiet
// positions by the results and the database, fits the evaluation's weights to them and
// writes the weights table the build reads.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>
#include "enddb/database.h"
#include "search/eval_weights.h"
#include "tools/commands.h"
#include "tools/computer_games.h"
#include "tools/tool_args.h"
#include "tools/tune/tune_fit.h"
#include "tools/tune/tune_positions.h"
#include "tools/tune/tune_table.h"

namespace {

struct TuneOptions {
  SelfPlaySettings play;
  int endgame = 20000;
  FitSettings fit;
  std::string anchor = "men,kings";
  std::string out = "eval_weights.h";
};

double secondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

bool readAnchor(const std::string& list, uint32_t& anchored, std::string& error) {
  anchored = 0;
  if (list == "none") return true;
  std::istringstream items(list);
  for (std::string key; std::getline(items, key, ',');) {
    const int feature = featureOfKey(key);
    if (feature < 0) {
      error = "--anchor: unknown feature '" + key + "' (men, kings, tempo, ... or none)";
      return false;
    }
    anchored |= 1u << feature;
  }
  if (anchored == 0) {
    error = "--anchor needs feature names separated by commas, or none";
    return false;
  }
  return true;
}

bool readOptions(int argc, char** argv, TuneOptions& options, std::string& error) {
  ToolArgs args;
  const std::vector<std::string> allowed = {"--games",  "--seed",   "--depth",   "--endgame", "--epochs",
                                            "--l2",     "--anchor", "--threads", "--out"};
  if (!parseToolArgs(argc, argv, allowed, args, error)) return false;
  if (!args.positional.empty() || args.options.count("--fen")) {
    error = "tune takes options only";
    return false;
  }
  struct CountOption {
    const char* name;
    long long min, max;
    long long value;
  };
  const unsigned cores = std::thread::hardware_concurrency();
  CountOption counts[] = {{"--games", 1, 1000000, options.play.games},
                          {"--seed", 0, 1000000000000LL, (long long)options.play.seed},
                          {"--depth", 1, 12, options.play.depth},
                          {"--endgame", 0, 10000000, options.endgame},
                          {"--epochs", 1, 100000, options.fit.epochs},
                          {"--threads", 1, 256, cores ? cores : 1}};
  for (CountOption& count : counts) {
    const auto given = args.options.find(count.name);
    if (given == args.options.end()) continue;
    if (!readCount(given->second, count.max, count.value) || count.value < count.min) {
      error = std::string(count.name) + " must be a whole number from " + std::to_string(count.min) + " to " +
              std::to_string(count.max);
      return false;
    }
  }
  options.play.games = (int)counts[0].value;
  options.play.seed = (uint64_t)counts[1].value;
  options.play.depth = (int)counts[2].value;
  options.endgame = (int)counts[3].value;
  options.fit.epochs = (int)counts[4].value;
  options.play.threads = (int)counts[5].value;
  if (args.options.count("--l2") && (!readSeconds(args.options["--l2"], options.fit.l2) || options.fit.l2 > 1000)) {
    error = "--l2 must be a number from 0 to 1000";
    return false;
  }
  if (args.options.count("--anchor")) options.anchor = args.options["--anchor"];
  if (!readAnchor(options.anchor, options.fit.anchored, error)) return false;
  if (args.options.count("--out")) options.out = args.options["--out"];
  if (options.out.empty()) {
    error = "--out needs a file name";
    return false;
  }
  return true;
}

// Every option that changes the table, so that the line repeats the run whatever the defaults become.
std::string commandLine(const TuneOptions& options) {
  char l2[32];
  std::snprintf(l2, sizeof l2, "%g", options.fit.l2);
  return "tarvenn-engine tune --games " + std::to_string(options.play.games) + " --seed " +
         std::to_string(options.play.seed) + " --depth " + std::to_string(options.play.depth) + " --endgame " +
         std::to_string(options.endgame) + " --epochs " + std::to_string(options.fit.epochs) + " --l2 " + l2 +
         " --anchor " + options.anchor;
}

void printWeights(const FitResult& fit, uint32_t anchored) {
  std::printf("%-16s %6s %6s\n", "weight", "old", "new");
  for (int j = 0; j < EvalFeatureCount; ++j)
    std::printf("%-16s %6d %6d%s\n", featureKey(j), EvalWeights[j], fit.weights[j],
                anchored >> j & 1 ? "  (anchored)" : "");
}

}  // namespace

int runTune(int argc, char** argv) {
  TuneOptions options;
  std::string error;
  if (!readOptions(argc, argv, options, error)) return toolError(error);
  // Fail before the long run, not after it; a file made for the test goes again.
  const bool existed = std::ifstream(options.out).good();
  if (!std::ofstream(options.out, std::ios::app)) return toolError("cannot write " + options.out);
  if (!existed) std::remove(options.out.c_str());

  EndgameDatabase& database = endgameDatabase;
  reportRefusedFiles(database.load(MaxDatabasePieces, gameFiles().databaseFolder));
  if (database.pieceCount < 2)
    std::fprintf(stderr, "tarvenn-engine: no end-game database found (tarvenn -e 4 makes one); "
                         "positions are labelled by game results only\n");

  const auto playStart = std::chrono::steady_clock::now();
  SelfPlayTally tally;
  std::vector<TuneSample> samples = selfPlaySamples(options.play, database, tally);
  std::printf("games %d at depth %d: White won %lld, drawn %lld, Black won %lld (%lld decided by the database); "
              "%zu quiet positions kept, %.1f s\n",
              options.play.games, options.play.depth, tally.whiteWins, tally.draws, tally.blackWins,
              tally.databaseEndings, samples.size(), secondsSince(playStart));
  const std::vector<TuneSample> endgame = databaseSamples(database, options.endgame, options.play.seed);
  std::printf("database positions %zu of 2 to %u pieces\n", endgame.size(), database.pieceCount);
  samples.insert(samples.end(), endgame.begin(), endgame.end());
  if (samples.empty()) return toolError("no positions to fit: play more games");

  const auto fitStart = std::chrono::steady_clock::now();
  const FitResult fit = fitWeights(samples, EvalWeights, options.fit);
  std::printf("fit on %zu positions: loss %.6f before, %.6f after, K %.6g, %d epochs, %.1f s\n", samples.size(),
              fit.lossBefore, fit.lossAfter, fit.scale, fit.epochsRun, secondsSince(fitStart));
  printWeights(fit, options.fit.anchored);

  char figures[256];
  std::snprintf(figures, sizeof figures,
                "%zu positions (%zu from the database of %u pieces); loss %.6f before, %.6f after; K %.6g.",
                samples.size(), endgame.size(), database.pieceCount, fit.lossBefore, fit.lossAfter, fit.scale);
  const std::string notes = "Fitted by: " + commandLine(options) +
                            "\n(self-play and the starting weights were those of the table this one replaced)\n" +
                            figures;
  // Written beside and renamed, so that a failed write leaves the old table whole.
  const std::string partial = options.out + ".partial";
  std::ofstream out(partial, std::ios::trunc);
  out << weightsHeader(fit.weights, notes);
  out.close();
  if (!out || std::rename(partial.c_str(), options.out.c_str()) != 0) {
    std::remove(partial.c_str());
    return toolError("cannot write " + options.out);
  }
  std::printf("wrote %s\n", options.out.c_str());
  return 0;
}
