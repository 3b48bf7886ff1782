#include <gtest/gtest.h>
#include "engine/board.h"
#include "tests/engine/squares.h"

TEST(Board, SquareNumbersRunFromA1ToH8) {
  EXPECT_EQ(squareIndex(0x00000001), 0);
  EXPECT_STREQ(SquareNames[squareIndex(0x00000010)], "B2");
  EXPECT_EQ(squareIndex(0x80000000), 31);
  EXPECT_STREQ(SquareNames[31], "H8");
  for (int k = 0; k < 32; ++k) EXPECT_EQ(squareIndex(SquareSet(1) << k), k);
}

TEST(Board, PopCountAgreesWithTheParallelCount) {
  EXPECT_EQ(popCount(0), 0);
  EXPECT_EQ(popCount(0xFFFFFFFF), 32);
  EXPECT_EQ(popCount(InitialPosition.white), 12);
  EXPECT_EQ(popCount(InitialPosition.black), 12);
  for (SquareSet x = 1; x < 0xF0000000u; x = x * 3 + 7) EXPECT_EQ(popCount(x), bitCount(x)) << x;
}

TEST(Board, DiagonalStepsStopAtTheEdge) {
  EXPECT_EQ(DiagonalStep[UpRight][squareIndex(squares("G1"))], squareIndex(squares("H2")));
  EXPECT_EQ(DiagonalStep[UpLeft][0], -1);
  EXPECT_EQ(DiagonalStep[DownRight][squareIndex(squares("H2"))], -1);
  EXPECT_EQ(DiagonalStep[DownLeft][squareIndex(squares("B8"))], squareIndex(squares("A7")));
  // Every step is undone by the opposite step.
  const int opposite[4] = {DownRight, DownLeft, UpRight, UpLeft};
  for (int d = 0; d < 4; ++d)
    for (int k = 0; k < 32; ++k) {
      if (DiagonalStep[d][k] < 0) continue;
      EXPECT_EQ(DiagonalStep[opposite[d]][DiagonalStep[d][k]], k) << d << " " << k;
    }
}

TEST(Board, InitialPositionLeavesRanksFourAndFiveEmpty) {
  EXPECT_EQ(InitialPosition.empty(), 0x000FF000u);
  EXPECT_EQ(InitialPosition.kings, 0u);
}

TEST(Board, PositionsOrderByWhiteThenBlackThenKings) {
  EXPECT_TRUE(Position(1, 2, 0x00000001) < Position(1, 2, 0x80000000));
  EXPECT_FALSE(Position(1, 2, 0x80000000) < Position(1, 2, 0x00000001));
  EXPECT_TRUE(Position(1, 0xFFFFFFF0, 0) < Position(2, 0, 0));
  EXPECT_TRUE(Position(1, 2, 0xFF) < Position(1, 3, 0));
  EXPECT_FALSE(Position(1, 2, 3) < Position(1, 2, 3));
}
