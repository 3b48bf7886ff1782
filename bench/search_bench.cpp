// Search speed: a fixed-depth search with the full window from the initial position and a
// few middle games, in positions visited per second of processor time on one core. The
// database is switched off so that the figures do not depend on its files.
// `search_bench` measures the material search that classic plays; `search_bench --engine strong`
// measures the positional search of the strong level and the material one beside it, in one run.
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include "bench/bench_positions.h"
#include "bench/cpu_seconds.h"
#include "enddb/database.h"
#include "engine/fen.h"
#include "search/search_engine.h"

namespace {

constexpr int ClassicDepth = 12;
constexpr int StrongDepth = 16;

struct Totals {
  uint64_t nodes = 0;
  double seconds = 0;
};

// Runs `searchOne(position)` on every benchmark position; it returns the score and leaves the node count in `nodes`.
template <class SearchOne>
bool measure(const char* name, int depth, uint64_t& nodes, SearchOne searchOne, Totals& totals) {
  for (const char* fen : BenchPositions) {
    Position p;
    std::string error;
    if (!parseFen(fen, p, error)) {
      std::fprintf(stderr, "search_bench: %s: %s\n", fen, error.c_str());
      return false;
    }
    const double start = cpuSeconds();
    const int score = searchOne(p);
    const double seconds = cpuSeconds() - start;
    std::printf("%-8s %-60s depth %d score %5d nodes %10llu time %7.3f nps %6.2f M\n", name, fen, depth, score,
                (unsigned long long)nodes, seconds, nodes / seconds / 1e6);
    totals.nodes += nodes;
    totals.seconds += seconds;
  }
  return true;
}

void printTotals(const char* name, const Totals& totals) {
  std::printf("%-8s total nodes %llu time %.3f nps %.2f M\n", name, (unsigned long long)totals.nodes, totals.seconds,
              totals.nodes / totals.seconds / 1e6);
}

}  // namespace

int main(int argc, char** argv) {
  bool strong = false;
  if (argc == 3 && std::strcmp(argv[1], "--engine") == 0 && std::strcmp(argv[2], "strong") == 0) strong = true;
  else if (argc != 1 && !(argc == 3 && std::strcmp(argv[1], "--engine") == 0 && std::strcmp(argv[2], "classic") == 0)) {
    std::fprintf(stderr, "usage: search_bench [--engine classic|strong]\n");
    return 2;
  }

  SearchEngine engine(endgameDatabase);
  uint64_t classicNodes = 0;
  Totals classic;
  if (!measure("classic", ClassicDepth, classicNodes,
               [&](const Position& p) {
                 engine.resetNodes();
                 const Score score = engine.searchPosition(p, ClassicDepth, Evaluation::Material, false);
                 classicNodes = engine.nodes();
                 return countedValue(score, Evaluation::Material);
               },
               classic))
    return 1;
  if (!strong) {
    printTotals("classic", classic);
    return 0;
  }

  uint64_t strongNodes = 0;
  Totals totals;
  if (!measure("strong", StrongDepth, strongNodes,
               [&](const Position& p) {
                 engine.resetNodes();
                 const Score score = engine.searchPosition(p, StrongDepth, Evaluation::Positional, false);
                 strongNodes = engine.nodes();
                 return score;
               },
               totals))
    return 1;
  printTotals("classic", classic);
  printTotals("strong", totals);
  return 0;
}
