#include <gtest/gtest.h>
#include <random>
#include "engine/fen.h"
#include "tests/engine/squares.h"

TEST(Fen, SquaresAreNumberedFromBlacksSide) {
  EXPECT_EQ(squareFromPdn(1), squareIndex(squares("B8")));
  EXPECT_EQ(squareFromPdn(4), squareIndex(squares("H8")));
  EXPECT_EQ(squareFromPdn(29), squareIndex(squares("A1")));
  EXPECT_EQ(squareFromPdn(32), squareIndex(squares("G1")));
  for (int n = 1; n <= 32; ++n) EXPECT_EQ(pdnFromSquare(squareFromPdn(n)), n);
}

TEST(Fen, ReadsListsRangesKingsAndEitherOrder) {
  const struct {
    const char* text;
    Position position;
    bool whiteToMove;
  } cases[] = {
      {"W:W21-32:B1-12", InitialPosition, true},
      {"B:B1-12:W21-32", InitialPosition, false},
      {"W:WK18,21,24:B2", Position(squares("D4 A3 G3"), squares("D8"), squares("D4")), true},
      {"B:W:BK29", Position(0, squares("A1"), squares("A1")), false},
      {" W:W21:B1. ", Position(squares("A3"), squares("B8"), 0), true},
  };
  for (const auto& c : cases) {
    Position position;
    std::string error;
    ASSERT_TRUE(parseFen(c.text, position, error)) << c.text << ": " << error;
    EXPECT_EQ(position, withSide(c.position, c.whiteToMove)) << c.text;
    EXPECT_EQ(position.whiteToMove, c.whiteToMove) << c.text;
  }
  EXPECT_EQ(writeFen(InitialPosition),
            "W:W21,22,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,11,12");
}

TEST(Fen, RejectsMalformedAndImpossiblePositionsWithAReason) {
  const char* bad[] = {
      "", "X:W1:B2", "W:W1", "W:W0:B2", "W:W33:B2", "W:W21,21:B1", "W:W21:B21", "W:W1:B9",
      "W:W21:B29", "W:W21:B1:W22", "W:W21,:B1", "W:W5-3:B1", "W:Wx:B1", "W:W21:B1 extra",
      "W:W99999999999999999999:B1", "W:W21-:B1", "W:WK:B1",
  };
  for (const char* text : bad) {
    Position position;
    std::string error;
    EXPECT_FALSE(parseFen(text, position, error)) << text;
    EXPECT_EQ(error.find('\n'), std::string::npos);
    EXPECT_EQ(error.rfind("bad FEN: ", 0), 0u) << text;
  }
}

TEST(Fen, AnyTextEitherParsesToALegalPositionOrIsRejected) {
  const std::string alphabet = "WBK:,-.0123456789 x";
  std::mt19937 rng(7);
  for (int i = 0; i < 50000; ++i) {
    std::string text = i % 2 ? "W:W" : "B:B";
    const int length = (int)(rng() % 40);
    for (int k = 0; k < length; ++k) text += alphabet[rng() % alphabet.size()];
    Position position;
    std::string error;
    if (!parseFen(text, position, error)) continue;
    EXPECT_EQ(position.white & position.black, 0u) << text;
    EXPECT_EQ(position.kings & ~(position.white | position.black), 0u) << text;
    Position again;
    ASSERT_TRUE(parseFen(writeFen(position), again, error)) << text;
    EXPECT_EQ(again, position) << text;
    EXPECT_EQ(again.whiteToMove, position.whiteToMove) << text;
    MoveRecord records[MoveBufferCapacity];
    EXPECT_LE(generateWhiteMoves(records, position.white, position.black, position.kings) - records,
              MoveBufferCapacity);
    EXPECT_LE(generateBlackMoves(records, position.white, position.black, position.kings) - records,
              MoveBufferCapacity);
  }
}
