#include "search/transposition_table.h"
#include <sys/mman.h>
#include <cstdint>
#include <cstring>
#include <new>

namespace {

constexpr size_t HugePage = size_t(1) << 21;

// Fresh anonymous memory reads as zero, that is as empty slots, and costs nothing until a
// slot is written: a search that uses part of the table only pays for that part. Large
// tables are aligned so that they can live on huge pages, since random probes over tens of
// MiB would otherwise spend their time in page walks.
std::atomic<uint64_t>* allocateSlots(size_t bytes) {
  const bool huge = bytes >= HugePage;
  const size_t mapped = huge ? bytes + HugePage : bytes;
  void* memory = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (memory == MAP_FAILED) throw std::bad_alloc();
  if (!huge) return static_cast<std::atomic<uint64_t>*>(memory);
  const uintptr_t start = (uintptr_t)memory;
  const uintptr_t aligned = (start + HugePage - 1) & ~(uintptr_t)(HugePage - 1);
  if (aligned > start) munmap(memory, aligned - start);
  if (aligned + bytes < start + mapped) munmap((void*)(aligned + bytes), start + mapped - aligned - bytes);
  madvise((void*)aligned, bytes, MADV_HUGEPAGE);  // without them the table only runs slower
  return reinterpret_cast<std::atomic<uint64_t>*>(aligned);
}

}  // namespace

void TranspositionTable::SlotMemory::operator()(std::atomic<uint64_t>* slots) const { munmap(slots, bytes); }

TranspositionTable::TranspositionTable(int bits)
    : slots(allocateSlots(sizeof(std::atomic<uint64_t>) << bits), SlotMemory{sizeof(std::atomic<uint64_t>) << bits}),
      tableBits(bits),
      usedBits(bits),
      mask((uint64_t(1) << bits) - 1) {}

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

void TranspositionTable::use(bool marksPath, int bits) {
  markingPath = marksPath;
  usedBits = bits < tableBits ? bits : tableBits;
  mask = (uint64_t(1) << usedBits) - 1;
  if (filled <= mask) filled = mask + 1;
}

// Empties the first `count` slots, of those that may hold entries: fresh memory is empty already.
void TranspositionTable::emptyFirst(uint64_t count) {
  if (count > filled) count = filled;
  // No search runs while a decision starts, so the slots are emptied as plain memory: a
  // store at a time would cost a debugging build the decision's whole time.
  std::memset(static_cast<void*>(slots.get()), 0, count * sizeof(slots[0]));
  if (count == filled) filled = 0;
}

// A path-marking search reads only the part it uses; the other use reads the whole table.
void TranspositionTable::clear(bool marksPath) {
  const bool sameUse = marksPath && markingPath;
  emptyFirst(sameUse ? mask + 1 : filled);
  use(marksPath, !marksPath ? tableBits : sameUse ? usedBits : MarkedPathMaxBits);
}

void TranspositionTable::startMarkedPathDecision(double timeLimit) {
  const int bits = timeLimit < 0.25 ? 19 : timeLimit < 0.75 ? 20 : MarkedPathMaxBits;
  emptyFirst(markingPath ? uint64_t(1) << bits : filled);
  use(true, bits);
}

void TranspositionTable::startSharedDecision() {
  if (markingPath) emptyFirst(filled);
  use(false, tableBits);
  age = (age + 1) & table_word::AgeMask;
}

bool TranspositionTable::probe(uint64_t hash, TableEntry& entry) const {
  const TableSlot slot = markingPath ? look<true>(hash) : look<false>(hash);
  entry = slot.entry;
  return slot.found;
}
