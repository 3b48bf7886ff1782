// The positional search's transposition table: one 64-bit word per slot holding key, value,
// best child, depth, bound and age, read and written whole so that two searching threads
// share it without locks. Slots pair up: a position lives in either slot of its pair.
#pragma once
#include <atomic>
#include <cstdint>
#include <memory>
#include "search/score.h"
#include "search/transposition_table.h"

struct SharedEntry {
  Score value = 0;
  int depth = 0;
  Bound bound = BOUND_OPEN;
  int bestIndex = 0;  // best child, in generation order
};

class SharedTable {
public:
  explicit SharedTable(int bits = 22);  // 2^bits slots of 8 bytes, allocated once

  // Starts a new decision: older entries give way first. Nothing is cleared.
  void newSearch() { age = (age + 1) & AgeMask; }
  void clear();
  bool probe(uint64_t hash, SharedEntry& entry) const;
  // `value` must fit 16 bits and `depth` 0..127.
  void store(uint64_t hash, Score value, int depth, Bound bound, int bestIndex);
  void prefetch(uint64_t hash) const { __builtin_prefetch(&slots[hash & mask & ~uint64_t(1)]); }

  // What the search asks at a node. Proven results are stored as seen from the node, so
  // that they read right at any ply.
  static constexpr bool MarksPath = false;  // the searcher keeps its own path
  struct Slot {
    uint64_t hash;
    SharedEntry entry;
    bool found;
  };
  Slot find(uint64_t hash) const {
    Slot slot{hash, {}, false};
    slot.found = probe(hash, slot.entry);
    return slot;
  }
  // Only outside the principal variation, where the window is null.
  bool answers(const Slot& slot, int depth, int ply, Score alpha, Score beta, Score& value) const {
    if (!slot.found || slot.entry.depth < depth || beta - alpha > 1) return false;
    value = fromTable(slot.entry.value, ply);
    const Bound bound = slot.entry.bound;
    return bound == BOUND_EXACT || (bound == BOUND_LOWER && value >= beta) || (bound == BOUND_UPPER && value <= alpha);
  }
  int bestChild(const Slot& slot) const { return slot.found ? slot.entry.bestIndex : -1; }
  void open(const Slot&, int) {}
  void store(const Slot& slot, Score value, int depth, int ply, Bound bound, int bestIndex) {
    store(slot.hash, toTable(value, ply), depth, bound, bestIndex);
  }

private:
  static constexpr uint64_t AgeMask = 63;
  static Score toTable(Score value, int ply) {
    return value >= ScoreProven ? value + ply : value <= -ScoreProven ? value - ply : value;
  }
  static Score fromTable(Score value, int ply) {
    return value >= ScoreProven ? value - ply : value <= -ScoreProven ? value + ply : value;
  }
  std::unique_ptr<std::atomic<uint64_t>[]> slots;
  uint64_t mask;
  uint64_t age = 0;
};
