// Helpers for the search tests: positions from FEN, database probes switched
// for one test, and a fresh table.
#pragma once
#include <gtest/gtest.h>
#include <string>
#include "enddb/database.h"
#include "engine/fen.h"
#include "search/search.h"
#include "search/transposition_table.h"

struct SidePosition {
  Position position;
  bool whiteToMove = true;
};

inline SidePosition fromFen(const std::string& fen) {
  SidePosition p;
  std::string error;
  EXPECT_TRUE(parseFen(fen, p.position, error)) << fen << ": " << error;
  p.whiteToMove = p.position.whiteToMove;
  return p;
}

inline Score search(const SidePosition& p, int alpha, int beta, int depth) {
  return searchNode(p.position.white, p.position.black, p.position.kings, p.whiteToMove, (Score)alpha, (Score)beta,
                    depth);
}

inline TTEntry* entryOf(const SidePosition& p) {
  return lookupEntry(positionHash(p.position.white, p.position.black, p.position.kings, p.whiteToMove));
}

// Sets the database's piece count for the life of the object (0 switches probes off).
class DatabaseProbes {
public:
  explicit DatabaseProbes(uint32_t pieces) : saved(endgameDatabase.pieceCount) { endgameDatabase.pieceCount = pieces; }
  ~DatabaseProbes() { endgameDatabase.pieceCount = saved; }

private:
  uint32_t saved;
};

// Fills the database for up to three pieces once per test program.
inline void holdThreePieceDatabase() {
  if (endgameDatabase.tablesHeld() < 3) {
    ASSERT_TRUE(endgameDatabase.build(3, false));
  }
}
