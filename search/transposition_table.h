// The transposition table of one search: results of searched positions, and open marks
// on the positions of the current path so that repetitions score 0.
#pragma once
#include <cstdint>
#include <memory>
#include "engine/board.h"
#include "search/score.h"

enum Bound : uint8_t { BOUND_OPEN = 0, BOUND_LOWER = 1, BOUND_UPPER = 2, BOUND_EXACT = 3 };

struct TTEntry {
  uint32_t key;       // low 32 bits of the position's hash
  int8_t value;       // score from the side to move
  uint8_t bestIndex;  // best child, in the search's generation order
  uint8_t depth;      // remaining depth of the value, 1..63; 0 = empty slot
  uint8_t bound;      // Bound
};
static_assert(sizeof(TTEntry) == 8, "entries are 8 bytes");

constexpr int MaxTableBits = 21;
constexpr int RootDepth = 63;  // deeper than any search, so the root always answers as open

uint64_t mixHash64(uint64_t x, uint64_t y, uint64_t z);
// White to move hashes (white, black, kings), Black to move (black, white, ~kings).
uint64_t positionHash(SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove);

class TranspositionTable {
public:
  int32_t bits = MaxTableBits;  // 19, 20 or 21; MaxTableBits until the first reset
  int32_t size = 1 << MaxTableBits;
  int32_t mask = (1 << MaxTableBits) - 1;
  TTEntry* entries;  // room for 2^MaxTableBits entries, allocated once, empty at first
  TTEntry scratch{};  // handed out when a probe sequence finds no usable slot

  TranspositionTable();
  TranspositionTable(const TranspositionTable&) = delete;
  TranspositionTable& operator=(const TranspositionTable&) = delete;

  // Sizes the table for a decision of `timeLimit` seconds (2^19, 2^20 or 2^21 entries) and empties it.
  void reset(double timeLimit);
  // Empties the entries in use, keeping the size.
  void clear();
  // Marks the root open at RootDepth, so that the root met again inside the search scores 0.
  void markRoot(SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove);
  // The slot of the position with this hash, claimed for it; the emptied scratch entry if none is free.
  TTEntry* lookup(uint64_t hash);

  // What the search asks at a node. Values are stored in whole men.
  static constexpr bool MarksPath = true;  // open marks make repetitions on the path score 0
  using Slot = TTEntry*;
  Slot find(uint64_t hash) { return lookup(hash); }
  // The entry is deep enough and settles the value within (alpha, beta): a repetition scores 0,
  // and a bound beyond the window answers with the window's end.
  bool answers(Slot slot, int depth, int, Score alpha, Score beta, Score& value) const {
    if (slot->depth < (depth < RootDepth ? depth : RootDepth)) return false;
    const Score stored = slot->value * ScoreMan;
    switch (slot->bound) {
      case BOUND_OPEN:  // already on the path: a repetition
        value = 0;
        return true;
      case BOUND_LOWER:
        value = beta;
        return stored >= beta;
      case BOUND_UPPER:
        value = alpha;
        return stored <= alpha;
      default:
        value = stored;
        return true;
    }
  }
  int bestChild(Slot slot) const { return slot->depth != 0 ? slot->bestIndex : -1; }
  // Marks the position open while its children are searched.
  void open(Slot slot, int depth) {
    slot->bound = BOUND_OPEN;
    slot->depth = (uint8_t)(depth < RootDepth ? depth : RootDepth);
  }
  void store(Slot slot, Score value, int, int, Bound bound, int bestIndex) {  // the depth was set by open()
    slot->bound = bound;
    slot->value = (int8_t)(value / ScoreMan);
    slot->bestIndex = (uint8_t)bestIndex;
  }
  void prefetch(uint64_t hash) const { __builtin_prefetch(&entries[hash >> (64 - bits)]); }

private:
  struct Release {
    void operator()(TTEntry* entries) const;
  };
  std::unique_ptr<TTEntry[], Release> storage;
};
