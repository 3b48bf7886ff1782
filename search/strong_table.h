// The strong engine's transposition table: one 64-bit word per slot holding key, value,
// best child, depth, bound and age, read and written whole so that two searching threads
// share it without locks. Slots pair up: a position lives in either slot of its pair.
#pragma once
#include <atomic>
#include <cstdint>
#include <memory>
#include "search/positional_eval.h"
#include "search/transposition_table.h"

struct StrongEntry {
  EvalScore value = 0;
  int depth = 0;
  Bound bound = BOUND_OPEN;
  int bestIndex = 0;  // best child, in generation order
};

class StrongTable {
public:
  explicit StrongTable(int bits = 22);  // 2^bits slots of 8 bytes, allocated once

  // Starts a new decision: older entries give way first. Nothing is cleared.
  void newSearch() { age = (age + 1) & AgeMask; }
  void clear();
  bool probe(uint64_t hash, StrongEntry& entry) const;
  // `value` must fit 16 bits and `depth` 0..127.
  void store(uint64_t hash, EvalScore value, int depth, Bound bound, int bestIndex);
  void prefetch(uint64_t hash) const { __builtin_prefetch(&slots[hash & mask & ~uint64_t(1)]); }

private:
  static constexpr uint64_t AgeMask = 63;
  std::unique_ptr<std::atomic<uint64_t>[]> slots;
  uint64_t mask;
  uint64_t age = 0;
};
