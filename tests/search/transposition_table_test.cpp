#include <gtest/gtest.h>
#include <algorithm>
#include <vector>
#include "tests/search/search_support.h"

TEST(TranspositionTable, TableGrowsWithTheTimeLimitAtTheQuarterAndThreeQuarterSecond) {
  const struct {
    double seconds;
    int bits;
  } cases[] = {{0.0, 19}, {0.2499, 19}, {0.25, 20}, {0.5, 20}, {0.7499, 20}, {0.75, 21}, {30.0, 21}};
  for (const auto& c : cases) {
    resetTable(c.seconds);
    EXPECT_EQ(testTable().bits(), c.bits) << c.seconds << " s";
  }
  testTable().startSharedDecision();
  EXPECT_EQ(testTable().bits(), MaxTableBits) << "shared, the table is used whole";
  resetTable(1.0);
}

TEST(TranspositionTable, HashIsTheJenkinsMixOfTheThreeWords) {
  // Reference values from an independent implementation of the twelve mixing steps.
  EXPECT_EQ(mixHash64(0, 0, 0), 0u);
  EXPECT_EQ(mixHash64(1, 2, 3), 0x9e598c95e5dbf7d5u);
  EXPECT_EQ(positionHash(0xFFF, 0xFFF00000, 0, true), 0xa2dba008c0387428u);
  // Black to move swaps the colours and complements the kings.
  EXPECT_EQ(positionHash(0xFFF, 0xFFF00000, 0, false), 0xc484c50d906552dbu);
}

TEST(TranspositionTable, SameBoardWithTheOtherSideToMoveHasAnotherKey) {
  const char* boards[] = {"W:W21,22,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,11,12", "W:WK29:BK4",
                          "W:W18,K3:B14"};
  for (const char* fen : boards) {
    const Position p = fromFen(fen).position;
    EXPECT_NE(positionHash(p.white, p.black, p.kings, true), positionHash(p.white, p.black, p.kings, false)) << fen;
  }
}

// The path-marking use's slot sequence of a hash, as the table walks it.
std::vector<uint64_t> slotSequence(uint64_t hash, int bits) {
  const uint64_t mask = (uint64_t(1) << bits) - 1;
  uint64_t slot = hash >> (64 - bits);
  const uint64_t step = ((uint64_t)(uint32_t)(hash >> 32) * 2 + 1) & mask;
  std::vector<uint64_t> slots;
  for (int i = 0; i < 33; ++i, slot = (slot + step) & mask) slots.push_back(slot);
  return slots;
}

// A foreign position whose own sequence starts at `slot`.
uint64_t hashStartingAt(uint64_t slot, int bits, uint64_t low) { return slot << (64 - bits) | low; }

TEST(TranspositionTable, MarkingThePathAPositionClaimsTheFirstFreeOfThirtyThreeSlotsOrNone) {
  TranspositionTable table;
  table.startMarkedPathDecision(0.1);
  const int bits = table.bits();
  const uint64_t hash = 0x0123456789ABCDEFu;
  const std::vector<uint64_t> slots = slotSequence(hash, bits);
  for (int i = 0; i < 32; ++i) {
    const uint64_t foreign = hashStartingAt(slots[i], bits, 0xBEEF + i);
    table.store<true>(table.find<true>(foreign), 5 * ScoreMan, 7, BOUND_EXACT, 0);
  }
  TableSlot slot = table.find<true>(hash);
  EXPECT_EQ(slot.index, (int64_t)slots[32]);
  EXPECT_FALSE(slot.found) << "a claimed slot holds no result yet";
  TableEntry entry;
  EXPECT_FALSE(table.probe(hash, entry));
  EXPECT_EQ(table.find<true>(hash).index, (int64_t)slots[32]) << "the slot is claimed at once";

  table.store<true>(table.find<true>(hashStartingAt(slots[32], bits, 0xF00D)), 0, 3, BOUND_EXACT, 0);
  table.startMarkedPathDecision(0.1);
  for (int i = 0; i < 33; ++i)
    table.store<true>(table.find<true>(hashStartingAt(slots[i], bits, 0xBEEF + i)), 5 * ScoreMan, 7, BOUND_EXACT, 0);
  slot = table.find<true>(hash);
  EXPECT_EQ(slot.index, -1) << "a full sequence has no slot";
  table.open(slot, 9);
  table.store<true>(slot, ScoreMan, 9, BOUND_EXACT, 1);  // lost, and nothing else is touched
  EXPECT_FALSE(table.probe(hash, entry));
  for (int i = 0; i < 33; ++i) {
    ASSERT_TRUE(table.probe(hashStartingAt(slots[i], bits, 0xBEEF + i), entry)) << i;
    EXPECT_EQ(entry.value, 5 * ScoreMan) << i;
  }
}

TEST(TranspositionTable, StartingADecisionEmptiesEverySlotInUse) {
  TranspositionTable table;
  table.startMarkedPathDecision(0.5);
  const uint64_t first = 0, last = ~uint64_t(0);
  table.store<true>(table.find<true>(first), 30 * ScoreMan, 12, BOUND_LOWER, 3);
  table.store<true>(table.find<true>(last), -30 * ScoreMan, 62, BOUND_UPPER, 1);
  TableEntry entry;
  ASSERT_TRUE(table.probe(last, entry));
  EXPECT_EQ(entry.value, -30 * ScoreMan);
  EXPECT_EQ(entry.depth, 62);
  EXPECT_EQ(entry.bound, BOUND_UPPER);
  EXPECT_EQ(entry.bestIndex, 1);
  table.startMarkedPathDecision(0.5);
  EXPECT_FALSE(table.probe(first, entry));
  EXPECT_FALSE(table.probe(last, entry));
}

TEST(TranspositionTable, MarkedRootIsOpenAtDepthSixtyThree) {
  resetTable(1.0);
  const SidePosition root = fromFen("B:W21,22,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,11,12");
  markRoot(root.position.white, root.position.black, root.position.kings, root.whiteToMove);
  const TableEntry entry = entryOf(root);
  EXPECT_EQ(entry.depth, 63);
  EXPECT_EQ(entry.bound, BOUND_OPEN);
}

// Values, from proven results to a single hundredth, best children up to the last of a
// full list, and bounds come back as stored; depths beyond 63 are kept as 63.
TEST(TranspositionTable, EntriesComeBackAsStoredInBothUses) {
  const Score values[] = {30000 - 7, -(30000 - 7), 29000 - 2, -12000, 12400, 1, -1, 0};
  for (bool marksPath : {true, false}) {
    TranspositionTable table(16);
    table.clear(marksPath);
    uint64_t hash = 0x9E3779B97F4A7C15ull;
    int n = 0;
    for (Score value : values) {
      hash = hash * 6364136223846793005ull + 1442695040888963407ull;
      const int depth = 1 + n * 13;
      const Bound bound = (Bound)(1 + n % 3);
      const int best = n == 0 ? ChildCapacity - 1 : n;
      if (marksPath)
        table.store<true>(table.find<true>(hash), value, depth, bound, best);
      else
        table.store<false>(table.find<false>(hash), value, depth, bound, best);
      TableEntry entry;
      ASSERT_TRUE(table.probe(hash, entry)) << value;
      EXPECT_EQ(entry.value, value);
      EXPECT_EQ(entry.depth, std::min(depth, MaxStoredDepth)) << value;
      EXPECT_EQ(entry.bound, bound) << value;
      EXPECT_EQ(entry.bestIndex, best) << value;
      ++n;
    }
  }
}

// Shared: a position lives in either slot of its pair. A new one takes the slot of an
// earlier decision first, else the shallower; its own slot it always keeps.
TEST(TranspositionTable, SharedPairsGiveWayToTheOlderThenTheShallowerEntry) {
  TranspositionTable table(12);
  table.startSharedDecision();
  const uint64_t pair = 0x6A4;  // an even index: slots 0x6A4 and 0x6A5
  auto position = [&](uint64_t n) { return n << 39 | pair; };
  auto put = [&](uint64_t n, int depth) {
    table.store<false>(table.find<false>(position(n)), 100, depth, BOUND_EXACT, 0);
  };
  auto holds = [&](uint64_t n) {
    TableEntry entry;
    return table.probe(position(n), entry);
  };
  put(1, 9);
  table.startSharedDecision();
  put(2, 3);
  put(3, 5);
  EXPECT_FALSE(holds(1)) << "the earlier decision's entry went first, though deeper";
  EXPECT_TRUE(holds(2) && holds(3));
  put(4, 4);
  EXPECT_FALSE(holds(2)) << "then the shallower";
  EXPECT_TRUE(holds(3) && holds(4));
  put(3, 1);
  EXPECT_TRUE(holds(3) && holds(4)) << "a position's own slot is overwritten, whatever its depth";
}

// The two uses read values differently: switching use empties what the other use wrote,
// also beyond the part a path-marking decision uses.
TEST(TranspositionTable, SwitchingUseLeavesNothingOfTheOtherUse) {
  TranspositionTable table;
  table.startSharedDecision();
  const uint64_t high = ~uint64_t(0);  // the last pair of the whole table
  table.store<false>(table.find<false>(high), 250, 8, BOUND_EXACT, 2);
  TableEntry entry;
  ASSERT_TRUE(table.probe(high, entry));
  table.startMarkedPathDecision(0.1);
  const uint64_t marked = 0;  // its slot and its check are the same in both uses
  table.store<true>(table.find<true>(marked), 3 * ScoreMan, 8, BOUND_EXACT, 2);
  table.startSharedDecision();
  EXPECT_FALSE(table.probe(high, entry)) << "the shared entry beyond the path-marking part";
  EXPECT_FALSE(table.probe(marked, entry)) << "the path-marking entry";
  table.store<false>(table.find<false>(marked), 250, 8, BOUND_EXACT, 2);
  table.clear(true);
  EXPECT_FALSE(table.probe(marked, entry));
  table.startSharedDecision();
  EXPECT_FALSE(table.probe(marked, entry));
}
