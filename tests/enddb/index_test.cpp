#include <gtest/gtest.h>
#include "enddb/index.h"
#include "engine/fen.h"
#include "tests/engine/squares.h"

namespace {

struct IndexCase {
  const char* fen;  // PDN FEN; the side to move is the mover
  uint32_t pieces;
  uint32_t index;
};

// The position seen from the side to move, Black's turned by 180 degrees.
void orient(const std::string& fen, SquareSet& mover, SquareSet& opponent, SquareSet& kings) {
  Position position;
  bool whiteToMove;
  std::string error;
  ASSERT_TRUE(parseFen(fen, position, error)) << fen << ": " << error;
  whiteToMove = position.whiteToMove;
  mover = whiteToMove ? position.white : reverseSquares(position.black);
  opponent = whiteToMove ? position.black : reverseSquares(position.white);
  kings = whiteToMove ? position.kings : reverseSquares(position.kings);
}

}  // namespace

TEST(PositionIndex, KnownPositionsHaveTheirIndices) {
  const IndexCase cases[] = {
      {"W:W29:B", 1, 1},                // white man A1 alone
      {"W:W:BK4", 1, 126},              // black king H8 alone, White to move
      {"W:W29:B4", 2, 7442},            // men on A1 and H8
      {"B:W29:B4", 2, 7442},            // the same turned for Black
      {"W:W22,K18:B11", 3, 104150},     // men C3, F6, white king D4
      {"B:W22,K18:B11", 3, 108948},
  };
  for (const IndexCase& c : cases) {
    SquareSet mover = 0, opponent = 0, kings = 0;
    orient(c.fen, mover, opponent, kings);
    uint32_t pieces = 99;
    EXPECT_EQ(indexOf(mover | opponent, mover, kings, pieces), c.index) << c.fen;
    EXPECT_EQ(pieces, c.pieces) << c.fen;
  }
}

TEST(PositionIndex, DecodingGivesBackTheSets) {
  SquareSet mover, kings;
  EXPECT_EQ(setsFromIndex(104150, 3, mover, kings), squares("C3 D4 F6"));
  EXPECT_EQ(mover, squares("C3 D4"));
  EXPECT_EQ(kings, squares("D4"));
}

TEST(PositionIndex, EmptyBoardIsIndexZeroOfNoPieces) {
  uint32_t pieces = 99;
  EXPECT_EQ(indexOf(0, 0, 0, pieces), 0u);
  EXPECT_EQ(pieces, 0u);
}

TEST(PositionIndex, FullBoardDoesNotOverflow) {
  uint32_t pieces = 0;
  EXPECT_EQ(indexOf(0xFFFFFFFF, 0xFFFFFFFF, 0, pieces), 0xFFFFFFFFu);
  EXPECT_EQ(pieces, 32u);
  SquareSet mover, kings;
  EXPECT_EQ(setsFromIndex(0xFFFFFFFF, 32, mover, kings), 0xFFFFFFFFu);
  EXPECT_EQ(mover, 0xFFFFFFFFu);
}

TEST(PositionIndex, EveryIndexUpToFourPiecesRoundTrips) {
  for (uint32_t n = 1; n <= 4; ++n) {
    for (uint32_t index = 0; index < tableSize(n); ++index) {
      SquareSet mover, kings;
      const SquareSet occupied = setsFromIndex(index, n, mover, kings);
      uint32_t pieces;
      const uint32_t again = indexOf(occupied, mover, kings, pieces);
      if (again != index || pieces != n) {
        FAIL() << "index " << index << " of " << n << " pieces decodes to " << writeFen(Position(mover, occupied & ~mover, kings))
               << " which encodes as " << again << " of " << pieces;
      }
    }
  }
}

TEST(PositionIndex, OccupancyNumbersRunInColexOrderOfTheSets) {
  // Consecutive occupancy numbers are consecutive sets of the same size in increasing value.
  for (uint32_t n = 1; n <= 3; ++n) {
    SquareSet expected = (SquareSet(1) << n) - 1;
    for (uint32_t r = 0; r < BinomialTable[32][n]; ++r, expected = nextCombination(expected)) {
      SquareSet mover, kings;
      ASSERT_EQ(setsFromIndex(r << (2 * n), n, mover, kings), expected) << "occupancy " << r << " of " << n;
    }
    EXPECT_EQ(expected, 0u) << "sets of " << n << " squares are exhausted after C(32, n)";
  }
}

TEST(PositionIndex, TableSizesPerPieceCount) {
  const uint32_t sizes[] = {0, 128, 7936, 317440, 9205760, 206209024};
  for (uint32_t n = 1; n <= MaxDatabasePieces; ++n) EXPECT_EQ(tableSize(n), sizes[n]) << n << " pieces";
}

TEST(BinomialTable, HoldsPascalsTriangleAndZeroAboveIt) {
  EXPECT_EQ(BinomialTable[32][16], 601080390u);
  EXPECT_EQ(BinomialTable[32][5], 201376u);
  EXPECT_EQ(BinomialTable[0][0], 1u);
  EXPECT_EQ(BinomialTable[5][6], 0u);
  EXPECT_EQ(BinomialTable[31][2], 465u);
  EXPECT_EQ(BinomialTable[32][32], 1u);
}

TEST(NextCombination, StepsThroughPatternsWithTheSameCountInIncreasingOrder) {
  EXPECT_EQ(nextCombination(0), 0u);
  EXPECT_EQ(nextCombination(0xF0000000), 0u);
  EXPECT_EQ(nextCombination(0b0011), 0b0101u);
  EXPECT_EQ(nextCombination(0b0101), 0b0110u);
  EXPECT_EQ(nextCombination(0b0110), 0b1001u);
  for (int bits = 1; bits <= 8; ++bits)
    for (int ones = 1; ones <= bits; ++ones) {
      int visited = 0;
      SquareSet last = 0;
      for (SquareSet x = (SquareSet(1) << ones) - 1; x != 0 && x <= (SquareSet(1) << bits) - 1;
           x = nextCombination(x)) {
        ASSERT_GT(x, last);
        ASSERT_EQ(bitCount(x), ones);
        last = x;
        ++visited;
      }
      EXPECT_EQ(uint32_t(visited), BinomialTable[bits][ones]) << ones << " of " << bits << " bits";
    }
}

TEST(ReverseSquares, TurnsTheBoardHalfRound) {
  EXPECT_EQ(reverseSquares(squares("A1")), squares("H8"));
  EXPECT_EQ(reverseSquares(squares("C1")), squares("F8"));
  for (int k = 0; k < 32; ++k) ASSERT_EQ(reverseSquares(SquareSet(1) << k), SquareSet(1) << (31 - k)) << SquareNames[k];
  for (uint32_t v = 0; v < 65536; ++v) {
    uint32_t reversed = 0;
    for (int b = 0; b < 16; ++b)
      if (v & (1u << b)) reversed |= 1u << (15 - b);
    ASSERT_EQ(Reverse16[v], reversed) << v;
  }
  const SquareSet sample = 0x12345678;
  EXPECT_EQ(reverseSquares(reverseSquares(sample)), sample);
}
