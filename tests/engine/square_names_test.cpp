#include <gtest/gtest.h>
#include <cctype>
#include <string>
#include "engine/square_names.h"

// The board as a player reads it, rank 8 on top; '#' marks the dark squares in order from A1.
TEST(SquareNames, EveryDarkSquareHasOneNameAndOneNumberBothWays) {
  int seen[32] = {};
  for (int rank = 0; rank < 8; ++rank) {
    for (int file = 0; file < 8; ++file) {
      const char name[3] = {char('a' + file), char('1' + rank), '\0'};
      const int square = darkSquareAt(file, rank);
      EXPECT_EQ(squareFromName(name[0], name[1]), square) << name;
      EXPECT_EQ(squareFromName(char(std::toupper(name[0])), name[1]), square) << name;
      if ((file + rank) % 2 != 0) {
        EXPECT_EQ(square, -1) << name << " is a light square";
        continue;
      }
      ASSERT_GE(square, 0) << name;
      ASSERT_LT(square, 32) << name;
      ++seen[square];
      EXPECT_EQ(squareName(square), name);
      EXPECT_EQ(fileOfSquare(square), file) << name;
      EXPECT_EQ(rankOfSquare(square), rank) << name;
      EXPECT_EQ(std::string(SquareNames[square]), std::string(1, char(std::toupper(name[0]))) + name[1]);
      // Numbers count from Black's side: rank 8 holds 1..4, left to right as Black's opponent sees it.
      EXPECT_EQ(pdnFromSquare(square), 4 * (7 - rank) + file / 2 + 1) << name;
      EXPECT_EQ(squareFromPdn(pdnFromSquare(square)), square) << name;
    }
  }
  for (int square = 0; square < 32; ++square) EXPECT_EQ(seen[square], 1) << "square " << square;
}

TEST(SquareNames, CornersAndEdgesHaveTheirUsualNumbers) {
  const struct {
    const char* name;
    int number;
  } cases[] = {{"b8", 1}, {"h8", 4}, {"a7", 5}, {"g7", 8}, {"a1", 29}, {"g1", 32}, {"c3", 22}, {"h2", 28}};
  for (const auto& c : cases) {
    const int square = squareFromName(c.name[0], c.name[1]);
    EXPECT_EQ(pdnFromSquare(square), c.number) << c.name;
    EXPECT_EQ(squareName(squareFromPdn(c.number)), c.name) << c.number;
  }
}

TEST(SquareNames, WhatNamesNoSquareGivesNoSquare) {
  const char* names[] = {"a2", "h1", "i1", "a9", "a0", "`1", "@1", "11", "aa", "c ", "\xe1" "1", "C\xb3"};
  for (const char* name : names) EXPECT_EQ(squareFromName(name[0], name[1]), -1) << name;
  for (int number : {-1, 0, 33, 100, -2147483647 - 1}) EXPECT_EQ(squareFromPdn(number), -1) << number;
  for (int square : {-1, 32, 1000}) EXPECT_EQ(pdnFromSquare(square), 0) << square;
  const int offBoard[][2] = {{-1, 0}, {0, -1}, {8, 0}, {0, 8}, {-2, 8}};
  for (const auto& at : offBoard) EXPECT_EQ(darkSquareAt(at[0], at[1]), -1) << at[0] << "," << at[1];
}
