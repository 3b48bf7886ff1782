// Move generation speed: perft of the initial position and of a few middle
// games with kings, in leaves per second on one core.
#include <cstdio>
#include "engine/fen.h"
#include "engine/clock.h"
#include "engine/perft.h"

namespace {

struct BenchPosition {
  const char* fen;
  int depth;
};

const BenchPosition Positions[] = {
    {"W:W21,22,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,11,12", 11},
    {"W:W17,21,22,23,25,26,27,29,30,31:B1,2,3,5,6,7,9,10,11,14", 12},
    {"B:WK5,18,22,25,26,29,31:B3,7,11,12,K28", 8},
    {"W:WK1,K32,22,27:BK4,K29,9,14", 9},
};

}  // namespace

int main() {
  uint64_t totalLeaves = 0;
  double totalSeconds = 0;
  for (const BenchPosition& b : Positions) {
    Position position;
    std::string error;
    if (!parseFen(b.fen, position, error)) {
      std::fprintf(stderr, "%s: %s\n", b.fen, error.c_str());
      return 1;
    }
    const double start = wallClock();
    const uint64_t leaves = perft(position, b.depth);
    const double seconds = wallClock() - start;
    std::printf("perft %-2d %-70s %12llu leaves %7.3f s %6.1f M/s\n", b.depth, b.fen, (unsigned long long)leaves,
                seconds, leaves / seconds / 1e6);
    totalLeaves += leaves;
    totalSeconds += seconds;
  }
  std::printf("total %llu leaves in %.3f s: %.1f M leaves/s\n", (unsigned long long)totalLeaves, totalSeconds,
              totalLeaves / totalSeconds / 1e6);
  return 0;
}
