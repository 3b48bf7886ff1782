#include <gtest/gtest.h>
#include <string>
#include "enddb/database.h"
#include "engine/fen.h"
#include "engine/movegen.h"
#include "tests/enddb/probe_checks.h"
#include "tests/engine/squares.h"


TEST(DatabaseProbe, WinsLeadToLossesAndLossesToWinsUpToThreePieces) {
  EndgameDatabase db;
  ASSERT_TRUE(db.build(3));
  expectConsistentProbes(db, 3);
}

TEST(DatabaseProbe, PositionsWithMorePiecesThanHeldAreNotCovered) {
  EndgameDatabase db;
  ASSERT_TRUE(db.build(3));
  const struct {
    const char* fen;
    uint32_t pieceCount;
  } cases[] = {
      {"W:W21,22,23:B1,2,3", 3},  // six pieces
      {"W:WK21:B1,2,3", 3},       // four pieces
      {"B:WK21:B1", 0},           // probing switched off
  };
  for (const auto& c : cases) {
    db.pieceCount = c.pieceCount;
    Position position;
    bool whiteToMove;
    std::string error;
    ASSERT_TRUE(parseFen(c.fen, position, error)) << c.fen << ": " << error;
    whiteToMove = position.whiteToMove;
    Position after = position;
    SquareSet from = 0;
    EXPECT_EQ(probe(db, after, from, whiteToMove), 0) << c.fen;
    EXPECT_EQ(after, position) << c.fen << ": arguments stay unchanged";
    EXPECT_EQ(from, 0u) << c.fen;
    EXPECT_EQ(db.statusOf(position.white, position.black, position.kings, whiteToMove), 0) << c.fen;
  }
}

TEST(DatabaseProbe, KingAgainstLoneManWinsForBothColours) {
  EndgameDatabase db;
  ASSERT_TRUE(db.build(2));
  // A king against a man far from its crowning row: the king side wins.
  for (const char* fen : {"W:WK29:B4", "B:W28:BK1"}) {
    Position position;
    bool whiteToMove;
    std::string error;
    ASSERT_TRUE(parseFen(fen, position, error)) << fen << ": " << error;
    whiteToMove = position.whiteToMove;
    SquareSet from = 0;
    EXPECT_EQ(probe(db, position, from, whiteToMove), StatusWin) << fen;
    EXPECT_EQ(bitCount(from), 1) << fen;
  }
}
