#include <gtest/gtest.h>
#include "engine/fen.h"
#include "engine/movegen.h"
#include "tests/engine/squares.h"

namespace {

struct ListCase {
  const char* rule;
  const char* white;
  const char* black;
  const char* kings;
  bool whiteToMove;
  const char* moves;  // the whole list, in order
};

const ListCase ListCases[] = {
    {"white's opening moves, origins from high to low, right step first", "A1 C1 E1 G1 B2 D2 F2 H2 A3 C3 E3 G3",
     "B6 D6 F6 H6 A7 C7 E7 G7 B8 D8 F8 H8", "", true, "G3-H4 G3-F4 E3-F4 E3-D4 C3-D4 C3-B4 A3-B4"},
    {"black's opening moves, origins from low to high, left step first", "A1 C1 E1 G1 B2 D2 F2 H2 A3 C3 E3 G3",
     "B6 D6 F6 H6 A7 C7 E7 G7 B8 D8 F8 H8", "", false, "B6-A5 B6-C5 D6-C5 D6-E5 F6-E5 F6-G5 H6-G5"},
    {"capture is compulsory", "C3 A1", "D4", "", true, "C3xE5"},
    {"a man captures backward", "E5", "D4", "", true, "E5xC3"},
    {"a man passing the king row mid-capture stays a man", "D6", "E7 G7", "", true, "D6xH6"},
    {"a king flies to every square behind the captured piece", "A1", "C3", "A1", true,
     "A1xD4 A1xE5 A1xF6 A1xG7 A1xH8"},
    {"a king takes two on one diagonal", "A1", "C3 E5", "A1", true, "A1xF6 A1xG7 A1xH8"},
    {"a king turns before running straight on", "A1", "C3 C5 E5", "A1", true, "A1xB6 A1xA7 A1xF6 A1xG7 A1xH8"},
    {"kings from the highest square first, each stopped by the other", "A1 H8", "C3 F6", "A1 H8", true,
     "H8xB2 A1xG7"},
    {"a circuit back to the origin is one move", "C3", "B4 B6 D4 D6", "", true, "C3xC3"},
    {"men's steps come before king slides", "G3 A3 D4", "D8", "D4", true,
     "G3-H4 G3-F4 A3-B4 D4-C5 D4-B6 D4-A7 D4-E5 D4-F6 D4-G7 D4-H8 D4-C3 D4-B2 D4-A1 D4-E3 D4-F2 D4-G1"},
    {"a captured piece blocks the king's way back", "C1", "E3 F6 D6 F2", "C1", true, "C1xC5 C1xB4 C1xA3"},
    {"a move recorded twice stands at its last recording", "C3", "B4 B6 D4 D6", "C3", true,
     "C3xB2 C3xA1 C3xC3 C3xD2 C3xE1"},
    {"same squares, different pieces: two moves", "C1", "D2 D4 E5 E7", "C1", true, "C1xF8 C1xF8"},
    {"only the largest capture counts", "A3 G1", "B4 F2 F4", "", true, "G1xG5"},
    {"a blocked side has no move", "A1", "B2 C3", "", true, ""},
    {"a side without pieces has no move", "", "B2", "", true, ""},
    {"black mirrors the men's steps only", "C3", "D6 B8", "B8", false, "D6-C5 D6-E5 B8-A7 B8-C7"},
};

}  // namespace

TEST(MoveGeneration, ListsFollowTheRulesInTheirExactOrder) {
  for (const ListCase& c : ListCases) {
    const Position position(squares(c.white), squares(c.black), squares(c.kings));
    EXPECT_EQ(moveTexts(position, c.whiteToMove), c.moves)
        << c.rule << " in " << writeFen(withSide(position, c.whiteToMove));
  }
}

TEST(MoveGeneration, PromotionHappensOnlyWhereTheMoveEnds) {
  MoveRecord records[MoveBufferCapacity];
  const MoveRecord* end = generateWhiteMoves(records, squares("D6"), squares("E7 G7"), 0);
  ASSERT_EQ(end - records, 1);
  EXPECT_EQ(records[0].white, squares("H6"));
  EXPECT_EQ(records[0].kings, 0u);

  end = generateWhiteMoves(records, squares("E7"), squares("A1"), 0);
  ASSERT_EQ(end - records, 2);
  EXPECT_EQ(records[0].kings, squares("F8")) << "a man stepping onto rank 8 is crowned";

  end = generateBlackMoves(records, squares("H8"), squares("C3"), 0);
  EXPECT_EQ(records[0].kings, squares("B2") & BlackKingRow);
  EXPECT_EQ(records[1].kings, squares("D2") & BlackKingRow);
  end = generateBlackMoves(records, squares("A3"), squares("D2"), 0);
  EXPECT_EQ(records[0].kings, squares("C1"));
}

TEST(MoveGeneration, CapturedKingsLeaveTheKingSet) {
  MoveRecord records[MoveBufferCapacity];
  const MoveRecord* end = generateWhiteMoves(records, squares("C3"), squares("D4 H8"), squares("D4 H8"));
  ASSERT_EQ(end - records, 1);
  EXPECT_EQ(records[0].black, squares("H8"));
  EXPECT_EQ(records[0].kings, squares("H8"));
}

TEST(MoveGeneration, KingAndManCapturesOfEqualLengthAreBothListedKingFirstWhenHigher) {
  // The king on H8 takes G7, the man on H2 takes G3: one piece each.
  EXPECT_EQ(moveTexts(Position(squares("H8 H2"), squares("G7 G3"), squares("H8")), true),
            "H8xF6 H8xE5 H8xD4 H8xC3 H8xB2 H8xA1 H2xF4");
}
