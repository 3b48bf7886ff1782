// How far past its time a computer decision ends: 50 decisions at 1 s and 10 at 5 s from
// opening and middle-game positions, each timed from its start to the move. Prints the
// largest and the mean overrun of each group. Run it alone in the release build.
#include <algorithm>
#include <cstdio>
#include <string>
#include "bench/bench_positions.h"
#include "enddb/database.h"
#include "engine/fen.h"
#include "engine/movelist.h"
#include "search/search_engine.h"

namespace {

void runGroup(SearchEngine& search, int decisions, double seconds) {
  double worst = -1e9, total = 0;
  int aborted = 0;
  for (int i = 0; i < decisions; ++i) {
    const char* fen = BenchPositions[i % (sizeof BenchPositions / sizeof *BenchPositions)];
    Position position;
    std::string error;
    if (!parseFen(fen, position, error)) {
      std::fprintf(stderr, "decision_time_bench: %s: %s\n", fen, error.c_str());
      return;
    }
    const MoveList moves(position);
    DecisionRequest request;
    request.root = position;
    request.moves.assign(moves.begin(), moves.end());
    request.timeLimit = seconds;
    const DecisionResult result = search.decide(request, SearchPlan{});
    const double overrun = result.elapsed - seconds;
    worst = std::max(worst, overrun);
    total += overrun;
    aborted += result.aborted;
  }
  std::printf("%d decisions at %.0f s: largest overrun %+.1f ms, mean %+.1f ms, %d cut inside an iteration\n",
              decisions, seconds, worst * 1000, total / decisions * 1000, aborted);
}

}  // namespace

int main() {
  SearchEngine search(endgameDatabase);  // no database files: the positions are far above them
  runGroup(search, 50, 1.0);
  runGroup(search, 10, 5.0);
  return 0;
}
