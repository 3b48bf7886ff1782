// Alpha-beta search below the root: fail-soft principal-variation search with the
// transposition table, end-game database probes and a capture-only horizon.
// Every score is from the side to move; callers negate.
#pragma once
#include <atomic>
#include <cstdint>
#include "engine/movegen.h"
#include "search/evaluate.h"
#include "search/transposition_table.h"

class EndgameDatabase;

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

  // Value of the position searched `depth` plies deep (1..MaxSearchDepth) inside (alpha, beta).
  // After a stop the value is meaningless: see stopped().
  Score searchNode(SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove, Score alpha, Score beta,
                   int depth);
  // Value of the position when only captures are played out; quiet positions are evaluated.
  Score quiescence(SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove, Score alpha, Score beta);

  const EndgameDatabase& database() const { return knowledge; }
  // Probes every piece count the database holds.
  void probeWholeDatabase();

  // Positions visited since the last reset (tool and benchmark figures).
  uint64_t nodes() const { return nodeCount; }
  void resetNodes() { nodeCount = 0; }

  // Asks a running search to stop soon; safe from any thread.
  void requestStop() { stopRequest.store(true, std::memory_order_relaxed); }
  // A time on wallClock() (engine/clock.h) at which the search stops by itself; 0: none.
  void setDeadline(double seconds) { deadline = seconds; }
  // While held, a stop request or the deadline waits until the hold ends, and counts then.
  void holdStops(bool held) {
    stopsHeld = held;
    if (!held) pollStop();
  }
  // Forgets a stop: the next search runs until asked again.
  void clearStop();
  // Ready for a new search after one that stopped; a stop asked for meanwhile still counts.
  void rearm() { stopping = false; }
  // The last search was cut short by a stop.
  bool stopped() const { return stopping; }

private:
  const EndgameDatabase& knowledge;
  uint64_t nodeCount = 0;
  std::atomic<bool> stopRequest{false};
  bool stopping = false;
  bool stopsHeld = false;
  double deadline = 0;

  void pollStop();
  template <bool WhiteToMove>
  Score searchFor(SquareSet white, SquareSet black, SquareSet kings, int alpha, int beta, int depth);
  template <bool WhiteToMove>
  Score quiescenceFor(SquareSet white, SquareSet black, SquareSet kings, int alpha, int beta);
  template <bool WhiteToMove>
  void prefetchEntry(const Child& c) const;
};
