#include "search/transposition_table.h"
#include <sys/mman.h>

namespace {

constexpr int ProbeSlots = 33;

// Zero until first used, so it costs nothing in the executable; aligned so that it can
// live on huge pages, since random probes over 16 MiB would otherwise spend their time
// in page walks.
alignas(1 << 21) TTEntry Entries[1 << MaxTableBits];

}  // namespace

TranspositionTable transpositionTable = {MaxTableBits, 1 << MaxTableBits, (1 << MaxTableBits) - 1, Entries};
TTEntry ScratchEntry;

// The mixing step of Bob Jenkins' 64-bit hash (lookup8), applied once.
uint64_t mixHash64(uint64_t x, uint64_t y, uint64_t z) {
  x -= y; x -= z; x ^= z >> 43;
  y -= z; y -= x; y ^= x << 9;
  z -= x; z -= y; z ^= y >> 8;
  x -= y; x -= z; x ^= z >> 38;
  y -= z; y -= x; y ^= x << 23;
  z -= x; z -= y; z ^= y >> 5;
  x -= y; x -= z; x ^= z >> 35;
  y -= z; y -= x; y ^= x << 49;
  z -= x; z -= y; z ^= y >> 11;
  x -= y; x -= z; x ^= z >> 12;
  y -= z; y -= x; y ^= x << 18;
  z -= x; z -= y; z ^= y >> 22;
  return z;
}

uint64_t positionHash(SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove) {
  return whiteToMove ? mixHash64(white, black, kings) : mixHash64(black, white, (SquareSet)~kings);
}

void resetTable(double timeLimit) {
  TranspositionTable& table = transpositionTable;
  table.bits = timeLimit < 0.25 ? 19 : timeLimit < 0.75 ? 20 : MaxTableBits;
  table.size = 1 << table.bits;
  table.mask = table.size - 1;
  clearTable();
}

void clearTable() {
  static const bool hugePagesAsked = madvise(Entries, sizeof Entries, MADV_HUGEPAGE) == 0;
  (void)hugePagesAsked;  // without them the table only runs slower
  for (int32_t i = 0; i < transpositionTable.size; ++i) transpositionTable.entries[i].depth = 0;
}

void markRoot(SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove) {
  TTEntry* entry = lookupEntry(positionHash(white, black, kings, whiteToMove));
  entry->depth = RootDepth;
  entry->bound = BOUND_OPEN;
}

TTEntry* lookupEntry(uint64_t hash) {
  TranspositionTable& table = transpositionTable;
  const uint32_t check = (uint32_t)hash;
  uint32_t slot = (uint32_t)(hash >> (64 - table.bits));
  // An odd step visits every slot of the power-of-two table.
  const uint32_t step = ((uint32_t)(hash >> 32) * 2 + 1) & (uint32_t)table.mask;
  for (int probe = 0; probe < ProbeSlots; ++probe) {
    TTEntry& entry = table.entries[slot];
    if (entry.depth == 0 || entry.key == check) {
      entry.key = check;
      return &entry;
    }
    slot = (slot + step) & (uint32_t)table.mask;
  }
  ScratchEntry.depth = 0;
  return &ScratchEntry;
}
