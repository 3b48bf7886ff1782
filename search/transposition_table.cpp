#include "search/transposition_table.h"
#include <sys/mman.h>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

constexpr int ProbeSlots = 33;
constexpr size_t HugePage = size_t(1) << 21;
constexpr size_t TableBytes = sizeof(TTEntry) << MaxTableBits;

// Aligned so that the table can live on huge pages, since random probes over 16 MiB would
// otherwise spend their time in page walks.
TTEntry* allocateEntries() {
  void* memory = std::aligned_alloc(HugePage, TableBytes);
  if (!memory) throw std::bad_alloc();
  madvise(memory, TableBytes, MADV_HUGEPAGE);  // without them the table only runs slower
  std::memset(memory, 0, TableBytes);
  return (TTEntry*)memory;
}

}  // namespace

void TranspositionTable::Release::operator()(TTEntry* entries) const { std::free(entries); }

TranspositionTable::TranspositionTable() : entries(allocateEntries()), storage(entries) {}

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

void TranspositionTable::reset(double timeLimit) {
  bits = timeLimit < 0.25 ? 19 : timeLimit < 0.75 ? 20 : MaxTableBits;
  size = 1 << bits;
  mask = size - 1;
  clear();
}

void TranspositionTable::clear() {
  for (int32_t i = 0; i < size; ++i) entries[i].depth = 0;
}

void TranspositionTable::markRoot(SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove) {
  TTEntry* entry = lookup(positionHash(white, black, kings, whiteToMove));
  entry->depth = RootDepth;
  entry->bound = BOUND_OPEN;
}

TTEntry* TranspositionTable::lookup(uint64_t hash) {
  const uint32_t check = (uint32_t)hash;
  uint32_t slot = (uint32_t)(hash >> (64 - bits));
  // An odd step visits every slot of the power-of-two table.
  const uint32_t step = ((uint32_t)(hash >> 32) * 2 + 1) & (uint32_t)mask;
  for (int probe = 0; probe < ProbeSlots; ++probe) {
    TTEntry& entry = entries[slot];
    if (entry.depth == 0 || entry.key == check) {
      entry.key = check;
      return &entry;
    }
    slot = (slot + step) & (uint32_t)mask;
  }
  scratch.depth = 0;
  return &scratch;
}
