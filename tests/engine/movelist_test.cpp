#include <gtest/gtest.h>
#include <cstring>
#include "engine/fen.h"
#include "engine/movelist.h"
#include "engine/perft.h"
#include "tests/engine/squares.h"

namespace {

std::string notation(const Move& move, SquareSet emptyBefore) {
  char text[6] = {};
  move.writeNotation(emptyBefore, text);
  return text;
}

}  // namespace

TEST(MoveList, InitialPositionGivesSevenMovesInListOrder) {
  Move* moves = nullptr;
  ASSERT_EQ(InitialPosition.whiteMoves(&moves), 7);
  EXPECT_EQ(moves[0].from, squares("G3"));
  EXPECT_EQ(notation(moves[0], 0x000FF000), "G3-H4");
  delete[] moves;
}

TEST(MoveList, NotationWritesFiveCharactersOnly) {
  char text[8];
  std::memset(text, '#', sizeof text);
  Move* moves = nullptr;
  InitialPosition.blackMoves(&moves);
  moves[6].writeNotation(InitialPosition.empty(), text);
  EXPECT_EQ(std::string(text, 8), "H6-G5###");
  delete[] moves;
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
    Move* moves = nullptr;
    ASSERT_EQ(c.position.whiteMoves(&moves), 1) << writeFen(c.position, true);
    EXPECT_EQ(notation(moves[0], c.position.empty()), c.text);
    delete[] moves;
  }
}

TEST(MoveList, FindMoveTakesTheFirstMoveBetweenTwoSquares) {
  Move found;
  const Position circuit(squares("C3"), squares("B4 B6 D4 D6"), 0);
  EXPECT_EQ(circuit.findMove(true, 9, 9, found), 1);
  EXPECT_EQ(found.white, squares("C3"));
  EXPECT_EQ(found.black, 0u);

  // Two sequences from C1 to F8 taking different pieces: the first is over D4.
  const Position twoWays(squares("C1"), squares("D2 D4 E5 E7"), squares("C1"));
  EXPECT_EQ(twoWays.findMove(true, squareIndex(squares("C1")), squareIndex(squares("F8")), found), 2);
  EXPECT_FALSE(found.black & squares("D4"));

  const Move before = found;
  EXPECT_EQ(InitialPosition.findMove(true, squareIndex(squares("C3")), squareIndex(squares("E5")), found), 0);
  EXPECT_EQ(found, before);
  EXPECT_EQ(found.from, before.from);
}

TEST(MoveList, APositionWithoutMovesStillHandsOutAnArray) {
  Move* moves = nullptr;
  EXPECT_EQ(Position(squares("A1"), squares("B2 C3"), 0).whiteMoves(&moves), 0);
  EXPECT_NE(moves, nullptr);
  delete[] moves;
}

TEST(Perft, MatchesPublishedCountsFromTheInitialPosition) {
  const uint64_t expected[] = {7, 49, 302, 1469, 7473, 37628, 187302, 907830};
  for (int depth = 1; depth <= 8; ++depth)
    EXPECT_EQ(perft(InitialPosition, true, depth), expected[depth - 1]) << "depth " << depth;
}
