// Search speed: a depth-12 search with the full window from the initial position
// and a few middle games, in positions visited per second of processor time on one core. The
// database is switched off so that the figures do not depend on its files.
#include <cstdio>
#include <ctime>
#include <string>
#include "bench/bench_positions.h"
#include "enddb/database.h"
#include "engine/fen.h"
#include "search/search.h"

namespace {

constexpr int Depth = 12;

// Processor time of this process, so that other work on the machine does not count.
double cpuSeconds() {
  timespec now;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return now.tv_sec + now.tv_nsec / 1e9;
}

}  // namespace

int main() {
  Search search(endgameDatabase);
  search.probeLimit = 0;
  uint64_t totalNodes = 0;
  double totalSeconds = 0;
  for (const char* fen : BenchPositions) {
    Position p;
    std::string error;
    if (!parseFen(fen, p, error)) {
      std::fprintf(stderr, "search_bench: %s: %s\n", fen, error.c_str());
      return 1;
    }
    search.table.reset(1.0);
    search.resetNodes();
    const double start = cpuSeconds();
    const int score = search.searchNode(p.white, p.black, p.kings, p.whiteToMove, SCORE_MIN, SCORE_MAX, Depth);
    const double seconds = cpuSeconds() - start;
    const uint64_t nodes = search.nodes();
    std::printf("%-60s depth %d score %4d nodes %10llu time %7.3f nps %6.2f M\n", fen, Depth, score,
                (unsigned long long)nodes, seconds, nodes / seconds / 1e6);
    totalNodes += nodes;
    totalSeconds += seconds;
  }
  std::printf("total nodes %llu time %.3f nps %.2f M\n", (unsigned long long)totalNodes, totalSeconds,
              totalNodes / totalSeconds / 1e6);
  return 0;
}
