// Search speed: a depth-12 search with the full window from the initial position
// and a few middle games, in positions visited per second of processor time on one core. The
// database is switched off so that the figures do not depend on its files.
#include <cstdio>
#include <ctime>
#include <string>
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

const char* const Positions[] = {
    "W:W21,22,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,11,12",
    "W:W13,22,23,26,27,29,31,32:B1,3,4,5,6,12,14,15",
    "W:W17,18,19,21,23,25,29,30:B1,3,4,8,9,10,12,14",
    "B:W13,19,22,24,26,27,29,30,31:B1,2,3,5,6,9,10,12,20",
    "W:W17,21,22,23,25,26,27,29,30,31:B1,2,3,5,6,7,9,10,11,14",
    "B:WK5,18,22,25,26,29,31:B3,7,11,12,K28",
};

}  // namespace

int main() {
  Search search(endgameDatabase);
  search.probeLimit = 0;
  uint64_t totalNodes = 0;
  double totalSeconds = 0;
  for (const char* fen : Positions) {
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
