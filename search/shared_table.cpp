#include "search/shared_table.h"

namespace {

// Bits of a slot, from the lowest: bound 2, depth 7, best child 8, value 16, age 6, key 25.
constexpr int DepthShift = 2, BestShift = 9, ValueShift = 17, AgeShift = 33, KeyShift = 39;

inline uint64_t keyOf(uint64_t hash) { return hash >> KeyShift; }  // the index uses the low bits
inline uint64_t slotKey(uint64_t word) { return word >> KeyShift; }
inline int slotDepth(uint64_t word) { return (int)((word >> DepthShift) & 127); }
inline uint64_t slotAge(uint64_t word) { return (word >> AgeShift) & 63; }

}  // namespace

SharedTable::SharedTable(int bits) : slots(new std::atomic<uint64_t>[size_t(1) << bits]), mask((uint64_t(1) << bits) - 1) {
  clear();
}

void SharedTable::clear() {
  for (uint64_t i = 0; i <= mask; ++i) slots[i].store(0, std::memory_order_relaxed);
}

bool SharedTable::probe(uint64_t hash, SharedEntry& entry) const {
  const uint64_t first = hash & mask & ~uint64_t(1);
  for (uint64_t i = first; i < first + 2; ++i) {
    const uint64_t word = slots[i].load(std::memory_order_relaxed);
    if (word == 0 || slotKey(word) != keyOf(hash)) continue;
    entry.bound = (Bound)(word & 3);
    entry.depth = slotDepth(word);
    entry.bestIndex = (int)((word >> BestShift) & 255);
    entry.value = (int16_t)((word >> ValueShift) & 0xFFFF);
    return true;
  }
  return false;
}

void SharedTable::store(uint64_t hash, Score value, int depth, Bound bound, int bestIndex) {
  const uint64_t first = hash & mask & ~uint64_t(1);
  // The position's own slot if it has one, else the one of the older or shallower entry.
  uint64_t target = first;
  int targetRank = 1 << 20;
  for (uint64_t i = first; i < first + 2; ++i) {
    const uint64_t word = slots[i].load(std::memory_order_relaxed);
    if (word == 0 || slotKey(word) == keyOf(hash)) {
      target = i;
      break;
    }
    const int rank = slotDepth(word) + (slotAge(word) == age ? 256 : 0);
    if (rank < targetRank) {
      target = i;
      targetRank = rank;
    }
  }
  const uint64_t word = (uint64_t)bound | (uint64_t)(depth & 127) << DepthShift |
                        (uint64_t)(bestIndex & 255) << BestShift | (uint64_t)(uint16_t)(int16_t)value << ValueShift |
                        age << AgeShift | keyOf(hash) << KeyShift;
  slots[target].store(word, std::memory_order_relaxed);
}
