// Helpers for the search tests: positions from FEN, one searcher for the test program,
// database probes switched for one test, and a fresh table.
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

// The searcher of the test program, reading the program's database.
inline Search& testSearch() {
  static Search search(endgameDatabase);
  return search;
}
inline TranspositionTable& testTable() { return testSearch().table; }
inline void resetTable(double seconds) { testTable().reset(seconds); }
inline void markRoot(SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove) {
  testTable().markRoot(white, black, kings, whiteToMove);
}
inline uint64_t searchedNodes() { return testSearch().nodes(); }
inline void resetSearchedNodes() { testSearch().resetNodes(); }
inline Score quiescence(SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove, Score alpha, Score beta) {
  return testSearch().quiescence(white, black, kings, whiteToMove, alpha, beta);
}

inline Score search(const SidePosition& p, int alpha, int beta, int depth) {
  return testSearch().searchNode(p.position.white, p.position.black, p.position.kings, p.whiteToMove, (Score)alpha,
                                 (Score)beta, depth);
}

inline TTEntry* entryOf(const SidePosition& p) {
  return testTable().lookup(positionHash(p.position.white, p.position.black, p.position.kings, p.whiteToMove));
}

// Sets the search's probe limit for the life of the object (0 switches probes off).
class DatabaseProbes {
public:
  explicit DatabaseProbes(uint32_t pieces) : saved(testSearch().probeLimit) { testSearch().probeLimit = pieces; }
  ~DatabaseProbes() { testSearch().probeLimit = saved; }

private:
  uint32_t saved;
};

// Fills the database for up to three pieces once per test program.
inline void holdThreePieceDatabase() {
  if (endgameDatabase.tablesHeld() < 3) {
    ASSERT_TRUE(endgameDatabase.build(3));
  }
}
