// Alpha-beta search below the root: fail-soft principal-variation search with the
// transposition table, end-game database probes and a capture-only horizon.
// Every score is from the side to move; callers negate.
#pragma once
#include <atomic>
#include <cstdint>
#include <memory>
#include "engine/draw_rules.h"
#include "engine/movegen.h"
#include "search/evaluate.h"
#include "search/stop_control.h"
#include "search/transposition_table.h"

class EndgameDatabase;
class StrongEngine;

constexpr Score SCORE_MAX = 124;    // +infinity of a window
constexpr Score SCORE_MIN = -124;   // -infinity of a window
constexpr Score SCORE_WIN = 120;    // proven win; -SCORE_WIN a proven loss
constexpr Score SCORE_NONE = -128;  // no value
constexpr Score SCORE_DRAW = 0;     // repetition on the search path

constexpr int MaxSearchDepth = 62;

// One searcher: its own table, node count, probe limit and stop flag. The database is only read.
// One thread searches with it; any thread may ask it to stop.
class Search {
public:
  TranspositionTable table;
  uint32_t probeLimit;  // positions of up to this many pieces are looked up in the database

  explicit Search(const EndgameDatabase& database);
  ~Search();

  // Value of the position searched `depth` plies deep (1..MaxSearchDepth) inside (alpha, beta).
  // After a stop the value is meaningless: see stopped(). The draw rules' counts stand at
  // `draws` there; without them they start at this position.
  Score searchNode(SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove, Score alpha, Score beta,
                   int depth);
  Score searchNode(SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove, Score alpha, Score beta,
                   int depth, const DrawState& draws);
  // Value of the position when only captures are played out; quiet positions are evaluated.
  Score quiescence(SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove, Score alpha, Score beta);

  const EndgameDatabase& database() const { return knowledge; }
  // Probes every piece count the database holds.
  void probeWholeDatabase();

  // Positions visited since the last reset (tool and benchmark figures).
  uint64_t nodes() const { return nodeCount; }
  void resetNodes() { nodeCount = 0; }

  // Stops: asked from any thread, or at a deadline; see StopControl.
  void requestStop() { stops.requestStop(); }
  void setDeadline(double seconds) { stops.setDeadline(seconds); }
  void holdStops(bool held) { stops.holdStops(held); }
  void clearStop() { stops.clearStop(); }
  void rearm() { stops.rearm(); }
  // The last search was cut short by a stop.
  bool stopped() const { return stops.stopped(); }

  // The strong engine's table and searchers, made at their first use; they stop with this search.
  StrongEngine& strongEngine();

private:
  const EndgameDatabase& knowledge;
  uint64_t nodeCount = 0;
  StopControl stops;
  std::unique_ptr<StrongEngine> strong;

  template <bool WhiteToMove>
  Score searchFor(SquareSet white, SquareSet black, SquareSet kings, int alpha, int beta, int depth, DrawState draws);
  template <bool WhiteToMove>
  Score quiescenceFor(SquareSet white, SquareSet black, SquareSet kings, int alpha, int beta);
  template <bool WhiteToMove>
  void prefetchEntry(const Child& c) const;
};
