#include <gtest/gtest.h>
#include "tests/search/search_support.h"

TEST(TranspositionTable, TableGrowsWithTheTimeLimitAtTheQuarterAndThreeQuarterSecond) {
  const struct {
    double seconds;
    int bits;
  } cases[] = {{0.0, 19}, {0.2499, 19}, {0.25, 20}, {0.5, 20}, {0.7499, 20}, {0.75, 21}, {30.0, 21}};
  for (const auto& c : cases) {
    resetTable(c.seconds);
    EXPECT_EQ(testTable().bits, c.bits) << c.seconds << " s";
    EXPECT_EQ(testTable().size, 1 << c.bits) << c.seconds << " s";
    EXPECT_EQ(testTable().mask, (1 << c.bits) - 1) << c.seconds << " s";
  }
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

TEST(TranspositionTable, ProbeTriesThirtyThreeSlotsThenHandsOutTheEmptiedScratchEntry) {
  resetTable(0.1);
  const uint64_t hash = 0x0123456789ABCDEFu;
  const uint32_t mask = (uint32_t)testTable().mask;
  uint32_t slot = (uint32_t)(hash >> (64 - testTable().bits));
  const uint32_t step = ((uint32_t)(hash >> 32) * 2 + 1) & mask;
  uint32_t slots[33];
  for (uint32_t& s : slots) {
    s = slot;
    slot = (slot + step) & mask;
  }
  for (int i = 0; i < 32; ++i) testTable().entries[slots[i]] = TTEntry{0xDEADBEEF, 5, 0, 7, BOUND_EXACT};
  EXPECT_EQ(testTable().lookup(hash), &testTable().entries[slots[32]]);
  EXPECT_EQ(testTable().entries[slots[32]].key, (uint32_t)hash) << "the slot is claimed at once";

  testTable().entries[slots[32]] = TTEntry{0xDEADBEEF, 5, 0, 7, BOUND_EXACT};
  testTable().scratch.depth = 9;
  EXPECT_EQ(testTable().lookup(hash), &testTable().scratch);
  EXPECT_EQ(testTable().scratch.depth, 0);

  testTable().entries[slots[5]].key = (uint32_t)hash;  // its own slot, though foreign slots come first
  EXPECT_EQ(testTable().lookup(hash), &testTable().entries[slots[5]]);
  resetTable(0.1);
}

TEST(TranspositionTable, ResetEmptiesEveryEntryInUseButLeavesItsOtherBytes) {
  resetTable(0.5);
  testTable().entries[0] = TTEntry{42, 30, 3, 12, BOUND_LOWER};
  testTable().entries[testTable().mask] = TTEntry{43, -30, 1, 62, BOUND_UPPER};
  resetTable(0.5);
  EXPECT_EQ(testTable().entries[0].depth, 0);
  EXPECT_EQ(testTable().entries[testTable().mask].depth, 0);
  EXPECT_EQ(testTable().entries[0].key, 42u);
  EXPECT_EQ(testTable().entries[0].value, 30);
}

TEST(TranspositionTable, MarkedRootIsOpenAtDepthSixtyThree) {
  resetTable(1.0);
  const SidePosition root = fromFen("B:W21,22,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,11,12");
  markRoot(root.position.white, root.position.black, root.position.kings, root.whiteToMove);
  const TTEntry* entry = entryOf(root);
  EXPECT_EQ(entry->depth, 63);
  EXPECT_EQ(entry->bound, BOUND_OPEN);
}
