#include <gtest/gtest.h>
#include <cstring>
#include "engine/fen.h"
#include "engine/movelist.h"
#include "engine/perft.h"
#include "tests/engine/squares.h"

namespace {

std::string notation(const Move& move) {
  char text[6] = {};
  move.writeNotation(text);
  return text;
}

}  // namespace

TEST(MoveList, InitialPositionGivesSevenMovesInListOrder) {
  const MoveList moves(InitialPosition);
  ASSERT_EQ(moves.size(), 7);
  EXPECT_EQ(moves[0].from, squares("G3"));
  EXPECT_EQ(notation(moves[0]), "G3-H4");
}

TEST(MoveList, NotationWritesFiveCharactersOnly) {
  char text[8];
  std::memset(text, '#', sizeof text);
  const MoveList moves(withSide(InitialPosition, false));
  moves[6].writeNotation(text);
  EXPECT_EQ(std::string(text, 8), "H6-G5###");
}

TEST(MoveList, CapturesAreWrittenWithAnXAndTheFinalSquare) {
  const struct {
    Position position;
    const char* text;
  } cases[] = {
      {Position(squares("E5"), squares("D4"), 0), "E5xC3"},
      {Position(squares("C3"), squares("B4 B6 D4 D6"), 0), "C3xC3"},
      {Position(squares("D6"), squares("E7 G7"), 0), "D6xH6"},
  };
  for (const auto& c : cases) {
    const MoveList moves(c.position);
    ASSERT_EQ(moves.size(), 1) << writeFen(c.position);
    EXPECT_EQ(notation(moves[0]), c.text);
  }
}

TEST(MoveList, FindMoveTakesTheFirstMoveBetweenTwoSquares) {
  const MoveList circuit(Position(squares("C3"), squares("B4 B6 D4 D6"), 0));
  const Move* found = circuit.find(9, 9);
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(circuit.size(), 1);
  EXPECT_EQ(found->after.white, squares("C3"));
  EXPECT_EQ(found->after.black, 0u);

  // Two sequences from C1 to F8 taking different pieces: the first is over D4.
  const MoveList twoWays(Position(squares("C1"), squares("D2 D4 E5 E7"), squares("C1")));
  found = twoWays.find(squareIndex(squares("C1")), squareIndex(squares("F8")));
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(twoWays.size(), 2);
  EXPECT_FALSE(found->after.black & squares("D4"));

  EXPECT_EQ(MoveList(InitialPosition).find(squareIndex(squares("C3")), squareIndex(squares("E5"))), nullptr);
}

TEST(MoveList, APositionWithoutMovesStillHandsOutAnArray) {
  const MoveList moves(Position(squares("A1"), squares("B2 C3"), 0));
  EXPECT_EQ(moves.size(), 0);
  EXPECT_EQ(moves.begin(), moves.end());
}

TEST(Perft, MatchesPublishedCountsFromTheInitialPosition) {
  const uint64_t expected[] = {7, 49, 302, 1469, 7473, 37628, 187302, 907830};
  for (int depth = 1; depth <= 8; ++depth)
    EXPECT_EQ(perft(InitialPosition, depth), expected[depth - 1]) << "depth " << depth;
}
