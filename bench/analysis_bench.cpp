// The multi-line analysis: the same depth searched for 1 line and for 3, on the benchmark
// positions, in positions visited and processor seconds; the database is not read. Prints
// the nodes per second of each and what the two more lines cost in nodes and time.
// `analysis_bench [DEPTH]` (default 18).
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include "bench/bench_positions.h"
#include "bench/cpu_seconds.h"
#include "enddb/database.h"
#include "engine/fen.h"
#include "search/multi_line.h"
#include "search/search_engine.h"
#include "search/transposition_table.h"

namespace {

struct Totals {
  uint64_t nodes = 0;
  double seconds = 0;
};

}  // namespace

int main(int argc, char** argv) {
  const int depth = argc > 1 ? std::atoi(argv[1]) : 18;
  if (depth < 1 || depth > DeepestAnalysis) {
    std::fprintf(stderr, "analysis_bench: the depth is 1 to %d\n", DeepestAnalysis);
    return 2;
  }
  SearchEngine engine(endgameDatabase);
  Totals totals[2];
  std::printf("depth %d\n%-4s %6s %12s %8s %10s\n", depth, "pos", "lines", "nodes", "seconds", "nodes/s");
  int index = 0;
  for (const char* fen : BenchPositions) {
    Position position;
    std::string error;
    if (!parseFen(fen, position, error)) {
      std::fprintf(stderr, "analysis_bench: %s: %s\n", fen, error.c_str());
      return 2;
    }
    ++index;
    for (int which = 0; which < 2; ++which) {
      MultiLineRequest request;
      request.root = position;
      request.lines = which == 0 ? 1 : 3;
      request.limit.depth = depth;
      engine.positionalRoot().table.clear(false);  // each run starts from an empty table
      const double start = cpuSeconds();
      const MultiLineResult result = searchLines(engine, request);
      const double seconds = cpuSeconds() - start;
      totals[which].nodes += result.best.nodes;
      totals[which].seconds += seconds;
      std::printf("%-4d %6d %12llu %8.3f %10.0f\n", index, request.lines, (unsigned long long)result.best.nodes,
                  seconds, result.best.nodes / seconds);
    }
  }
  for (int which = 0; which < 2; ++which)
    std::printf("all  %6d %12llu %8.3f %10.0f\n", which == 0 ? 1 : 3, (unsigned long long)totals[which].nodes,
                totals[which].seconds, totals[which].nodes / totals[which].seconds);
  std::printf("3 lines against 1: nodes x%.2f, time x%.2f, nodes per second x%.2f\n",
              (double)totals[1].nodes / totals[0].nodes, totals[1].seconds / totals[0].seconds,
              (totals[1].nodes / totals[1].seconds) / (totals[0].nodes / totals[0].seconds));
  return 0;
}
