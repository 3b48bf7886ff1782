// End-game database generation: time, peak memory and the checksums of the
// tables that tarvenn -e N writes, against the recorded ones.
// Usage: enddb_bench [N]   (N = 4 by default, 5 for the full database)
#include <sys/resource.h>
#include <cstdio>
#include <cstdlib>
#include "enddb/database.h"
#include "engine/clock.h"
#include "enddb/sha256.h"

namespace {

// SHA-256 of enddb1.bin .. enddb5.bin.
const char* const RecordedSums[MaxDatabasePieces + 1] = {
    nullptr,
    "8fa32dc9c4d204aa0e35524de7d2b6b5814417a451ed08138e88c8f31bf33c93",
    "8a65ec6e717ab8a58f098cd3f69c7d32615c5dcc56ad3b85af24f3544b17761a",
    "668bf075f1758951a79d6d3463f2f61cf929fa4af69bb0d6099582e264023a57",
    "ec9f26479f8db334de188a4b0e431ec33e0c687a60f9a2d69600d5afb61e0d9d",
    "b598e0caed1ff45fb9ab19481a0e3503184d6eef09fb40fadb8841851b743a8b",
};

}  // namespace

int main(int argc, char** argv) {
  const int pieces = argc > 1 ? std::atoi(argv[1]) : 4;
  if (pieces < 1 || pieces > MaxDatabasePieces) {
    std::fprintf(stderr, "enddb_bench: N must be 1 to %d\n", MaxDatabasePieces);
    return 2;
  }
  EndgameDatabase db;
  const double start = wallClock();
  if (!db.build(uint32_t(pieces), true)) {
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
    const bool known = RecordedSums[n] != nullptr;
    const bool match = known && sum == RecordedSums[n];
    std::printf("enddb%d.bin %s %s\n", n, sum.c_str(), match ? "ok" : known ? "DIFFERS" : "(no recorded sum)");
    same = same && match;
  }
  return same ? 0 : 1;
}
