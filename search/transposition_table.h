// The transposition table of a search engine: results of searched positions, one 64-bit
// word a slot, read and written whole so that two searching threads share it without locks.
// A word holds a check on the position's hash, the value in hundredths of a man from the
// side to move, the best child, the remaining depth, the bound and the decision's age.
//
// The evaluation's search chooses how it uses the table (`MarksPath`):
// - marking the path: emptied and sized by the time limit before every decision; a position
//   claims the first free slot of up to 33 along a step of its own and keeps it for the
//   decision, and is marked open while its children are searched, so that meeting it again
//   on the path reads as a repetition;
// - shared: kept across decisions and only aged; a position lives in either slot of a pair,
//   and a new one takes the older or shallower slot. The searchers keep their own paths.
#pragma once
#include <atomic>
#include <cstdint>
#include <memory>
#include "engine/board.h"
#include "search/score.h"

enum Bound : uint8_t { BOUND_OPEN = 0, BOUND_LOWER = 1, BOUND_UPPER = 2, BOUND_EXACT = 3 };

constexpr int MaxTableBits = 22;       // 2^22 slots of 8 bytes, allocated once
constexpr int MarkedPathMaxBits = 21;  // the path-marking use sizes itself up to 2^21 slots
constexpr int RootDepth = 63;          // deeper than any search, so the root always answers as open
constexpr int MaxStoredDepth = 63;     // deeper results are kept as this deep

uint64_t mixHash64(uint64_t x, uint64_t y, uint64_t z);
// White to move hashes (white, black, kings), Black to move (black, white, ~kings).
uint64_t positionHash(SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove);

struct TableEntry {
  Score value = 0;
  int depth = 0;  // 0: the slot holds nothing
  Bound bound = BOUND_OPEN;
  int bestIndex = 0;  // best child, in generation order
};

// A position's place in the table as found: its slot (none when the path-marking use found
// no free one) and what the slot held.
struct TableSlot {
  uint64_t hash;
  int64_t index;
  TableEntry entry;
  bool found;    // the slot holds a result of this position
  bool claimed;  // the slot carries the position's check
};

class TranspositionTable {
public:
  // 2^bits slots (bits at most MaxTableBits), allocated once and empty.
  explicit TranspositionTable(int bits = MaxTableBits);
  TranspositionTable(const TranspositionTable&) = delete;
  TranspositionTable& operator=(const TranspositionTable&) = delete;

  // Starts a decision that marks its path: 2^19 slots below a quarter of a second, 2^20
  // below three quarters, else 2^21, emptied. The decision then marks its root.
  void startMarkedPathDecision(double timeLimit);
  // Marks the root open at RootDepth, so that the root met again inside the search scores 0.
  void markRoot(const Position& root) {
    open(find<true>(positionHash(root.white, root.black, root.kings, root.whiteToMove)), RootDepth);
  }
  // Starts a decision on the shared table: older entries give way first; nothing is cleared
  // unless the table was last used the other way.
  void startSharedDecision();
  // Empties the table for a search of the given use; a path-marking one keeps its size.
  void clear(bool marksPath);
  // Slots in use: 2^bits().
  int bits() const { return usedBits; }

  // The position's slot; the path-marking use claims a free one at once.
  template <bool MarksPath>
  TableSlot find(uint64_t hash) {
    TableSlot slot = look<MarksPath>(hash);
    if (MarksPath && slot.index >= 0 && !slot.claimed) claim(slot);
    return slot;
  }
  // Opens the position's slot while its children are searched (path marking only).
  void open(const TableSlot& slot, int depth) {
    if (slot.index >= 0) writeMarked(slot.index, slot.hash, slot.entry.value, depth, BOUND_OPEN, slot.entry.bestIndex);
  }
  template <bool MarksPath>
  void store(const TableSlot& slot, Score value, int depth, Bound bound, int bestIndex);
  // What the table holds for a position, without claiming a slot.
  bool probe(uint64_t hash, TableEntry& entry) const;

  template <bool MarksPath>
  void prefetch(uint64_t hash) const {
    __builtin_prefetch(&slots[MarksPath ? hash >> (64 - usedBits) : hash & mask & ~uint64_t(1)]);
  }

private:
  struct SlotMemory {
    size_t bytes;
    void operator()(std::atomic<uint64_t>* slots) const;
  };
  std::unique_ptr<std::atomic<uint64_t>[], SlotMemory> slots;
  int tableBits;      // slots allocated
  int usedBits;       // slots in use: 19..21 when marking the path, else tableBits
  uint64_t mask;      // 2^usedBits - 1
  uint64_t age = 0;
  bool markingPath = false;  // the table is used to mark the path
  uint64_t filled = 0;       // slots from the first that may hold entries

  template <bool MarksPath>
  TableSlot look(uint64_t hash) const;
  void claim(TableSlot& slot) {
    writeMarked(slot.index, slot.hash, 0, 0, BOUND_OPEN, 0);
    slot.claimed = true;
  }
  // A word of the path-marking use.
  void writeMarked(int64_t index, uint64_t hash, Score value, int depth, Bound bound, int bestIndex);
  void use(bool marksPath, int bits);
  void emptyFirst(uint64_t count);
};

// Hot paths, defined here so that the search inlines them.
namespace table_word {

// Bits of a word, from the lowest: bound 2, depth 6, best child 8, value 16, age 4, check 28.
constexpr int DepthShift = 2, BestShift = 8, ValueShift = 16, AgeShift = 32, CheckShift = 36;
constexpr uint64_t AgeMask = 15;

// The part of the hash kept in the word: the bits its slot index does not use.
template <bool MarksPath>
inline uint64_t checkOf(uint64_t hash) {
  return MarksPath ? hash & ((uint64_t(1) << 28) - 1) : hash >> 39;
}
inline uint64_t check(uint64_t word) { return word >> CheckShift; }
inline int depth(uint64_t word) { return (int)((word >> DepthShift) & 63); }
inline uint64_t age(uint64_t word) { return (word >> AgeShift) & AgeMask; }
inline TableEntry entry(uint64_t word) {
  TableEntry e;
  e.bound = (Bound)(word & 3);
  e.depth = depth(word);
  e.bestIndex = (int)((word >> BestShift) & 255);
  e.value = (int16_t)((word >> ValueShift) & 0xFFFF);
  return e;
}
inline uint64_t make(uint64_t check, uint64_t age, Score value, int depth, Bound bound, int bestIndex) {
  return (uint64_t)bound | (uint64_t)(depth < MaxStoredDepth ? depth : MaxStoredDepth) << DepthShift |
         (uint64_t)(bestIndex & 255) << BestShift | (uint64_t)(uint16_t)(int16_t)value << ValueShift |
         age << AgeShift | check << CheckShift;
}

}  // namespace table_word

template <bool MarksPath>
TableSlot TranspositionTable::look(uint64_t hash) const {
  using namespace table_word;
  const uint64_t own = checkOf<MarksPath>(hash);
  TableSlot slot{hash, -1, {}, false, false};
  if constexpr (MarksPath) {
    // The first of 33 slots that is free or the position's own.
    uint64_t index = hash >> (64 - usedBits);
    // An odd step visits every slot of the power-of-two table.
    const uint64_t step = ((uint64_t)(uint32_t)(hash >> 32) * 2 + 1) & mask;
    for (int probe = 0; probe < 33; ++probe) {
      const uint64_t word = slots[index].load(std::memory_order_relaxed);
      slot.claimed = check(word) == own;
      if (depth(word) == 0 || slot.claimed) {
        slot.index = (int64_t)index;
        if (slot.claimed) slot.entry = entry(word);
        slot.found = slot.entry.depth != 0;
        return slot;
      }
      index = (index + step) & mask;
    }
    return slot;
  } else {
    const uint64_t first = hash & mask & ~uint64_t(1);
    for (uint64_t i = first; i < first + 2; ++i) {
      const uint64_t word = slots[i].load(std::memory_order_relaxed);
      if (word == 0 || check(word) != own) continue;
      slot.index = (int64_t)i;
      slot.entry = entry(word);
      slot.found = slot.claimed = true;
      return slot;
    }
    return slot;
  }
}

template <bool MarksPath>
void TranspositionTable::store(const TableSlot& slot, Score value, int depth, Bound bound, int bestIndex) {
  using namespace table_word;
  if constexpr (MarksPath) {
    // The slot was claimed and opened for this position; with none, the result is lost.
    if (slot.index >= 0) writeMarked(slot.index, slot.hash, value, depth, bound, bestIndex);
  } else {
    // The position's own slot if it has one, else the one of the older or shallower entry.
    const uint64_t own = checkOf<false>(slot.hash);
    const uint64_t first = slot.hash & mask & ~uint64_t(1);
    uint64_t target = first;
    int targetRank = 1 << 20;
    for (uint64_t i = first; i < first + 2; ++i) {
      const uint64_t word = slots[i].load(std::memory_order_relaxed);
      if (word == 0 || check(word) == own) {
        target = i;
        break;
      }
      const int rank = table_word::depth(word) + (table_word::age(word) == age ? 256 : 0);
      if (rank < targetRank) {
        target = i;
        targetRank = rank;
      }
    }
    slots[target].store(make(own, age, value, depth, bound, bestIndex), std::memory_order_relaxed);
  }
}

inline void TranspositionTable::writeMarked(int64_t index, uint64_t hash, Score value, int depth, Bound bound,
                                      int bestIndex) {
  slots[index].store(table_word::make(table_word::checkOf<true>(hash), age, value, depth, bound, bestIndex),
                     std::memory_order_relaxed);
}
