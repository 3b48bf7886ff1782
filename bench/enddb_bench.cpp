// End-game database generation: time, peak memory and the checksums of the
// tables that tarvenn -e N writes, against the recorded ones.
// Usage: enddb_bench [N]   (N = 4 by default, 5 for the full database)
#include <sys/resource.h>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include "app/progress_text.h"
#include "enddb/database.h"
#include "enddb/file_sums.h"
#include "engine/clock.h"
#include "enddb/sha256.h"

int main(int argc, char** argv) {
  const int pieces = argc > 1 ? std::atoi(argv[1]) : 4;
  if (pieces < 1 || pieces > MaxDatabasePieces) {
    std::fprintf(stderr, "enddb_bench: N must be 1 to %d\n", MaxDatabasePieces);
    return 2;
  }
  EndgameDatabase db;
  const double start = wallClock();
  ProgressText progress(std::cout);
  if (!db.build(uint32_t(pieces), &progress)) {
    std::fprintf(stderr, "enddb_bench: not enough memory\n");
    return 1;
  }
  const double seconds = wallClock() - start;
  rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  std::printf("%d pieces: %.1f s wall, %.1f s cpu, peak resident %ld KB\n", pieces, seconds,
              usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6, usage.ru_maxrss);
  bool same = true;
  for (int n = 1; n <= pieces; ++n) {
    const std::string sum = sha256Hex(db.table(n), tableSize(n));
    const char* recorded = recordedFileSum(uint32_t(n));
    const bool known = recorded != nullptr;
    const bool match = known && sum == recorded;
    std::printf("enddb%d.bin %s %s\n", n, sum.c_str(), match ? "ok" : known ? "DIFFERS" : "(no recorded sum)");
    same = same && match;
  }
  return same ? 0 : 1;
}
