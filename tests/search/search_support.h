// Helpers for the search tests: positions from FEN, one material searcher for the test
// program with its own table, database probes switched for one test, and a fresh table.
// The material search's values are given and read here in whole men.
#pragma once
#include <gtest/gtest.h>
#include <string>
#include "enddb/database.h"
#include "engine/fen.h"
#include "search/alpha_beta.h"
#include "search/search_engine.h"
#include "search/transposition_table.h"

constexpr int SCORE_MAX = MaterialCount::Infinity / ScoreMan;   // +infinity of a window
constexpr int SCORE_MIN = -SCORE_MAX;
constexpr int SCORE_WIN = MaterialCount::databaseWin(0) / ScoreMan;  // proven win; -SCORE_WIN a proven loss
constexpr int SCORE_DRAW = 0;

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

// The material searcher of the test program, reading the program's database.
struct MaterialSearcher {
  TranspositionTable table;
  StopControl stops;
  AlphaBeta<MaterialCount> search{table, endgameDatabase, stops};
};
inline MaterialSearcher& testSearcher() {
  static MaterialSearcher searcher;
  return searcher;
}
// A whole engine, for decisions.
inline SearchEngine& testEngine() {
  static SearchEngine engine(endgameDatabase);
  return engine;
}
inline TranspositionTable& testTable() { return testSearcher().table; }
inline void resetTable(double seconds) { testTable().startMarkedPathDecision(seconds); }
inline void markRoot(SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove) {
  testTable().markRoot(Position(white, black, kings, whiteToMove));
}
inline uint64_t searchedNodes() { return testSearcher().search.nodes(); }
inline void resetSearchedNodes() { testSearcher().search.resetNodes(); }
inline int quiescence(SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove, int alpha, int beta) {
  return testSearcher().search.quiescence(Position(white, black, kings, whiteToMove), alpha * ScoreMan,
                                          beta * ScoreMan) /
         ScoreMan;
}

inline int search(const SidePosition& p, int alpha, int beta, int depth) {
  const Position position(p.position.white, p.position.black, p.position.kings, p.whiteToMove);
  return testSearcher().search.searchPosition(position, alpha * ScoreMan, beta * ScoreMan, depth) / ScoreMan;
}

inline uint64_t hashOf(const SidePosition& p) {
  return positionHash(p.position.white, p.position.black, p.position.kings, p.whiteToMove);
}
// What the material searcher's table holds for the position (depth 0: nothing).
inline TableEntry entryOf(const SidePosition& p) {
  TableEntry entry;
  testTable().probe(hashOf(p), entry);
  return entry;
}
// Puts a result of the position, `value` in whole men, into the material searcher's table.
inline void plantEntry(const SidePosition& p, int value, int depth, Bound bound) {
  testTable().store<true>(testTable().find<true>(hashOf(p)), value * ScoreMan, depth, bound, 0);
}

// Sets the searcher's probe limit for the life of the object (0 switches probes off).
class DatabaseProbes {
public:
  explicit DatabaseProbes(uint32_t pieces) : saved(testSearcher().search.probes()) {
    testSearcher().search.setProbeLimit(pieces);
  }
  ~DatabaseProbes() { testSearcher().search.setProbeLimit(saved); }

private:
  uint32_t saved;
};

// Fills the database for up to three pieces once per test program.
inline void holdThreePieceDatabase() {
  if (endgameDatabase.tablesHeld() < 3) {
    ASSERT_TRUE(endgameDatabase.build(3));
  }
}
