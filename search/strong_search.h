// The strong engine's search: principal-variation alpha-beta over the positional evaluation,
// with its own wide-score table, database probes, draws by repetition on the path, the
// table's move first, killers and history for quiet moves, late-move reductions, and a
// capture-only horizon. Scores are from the side to move.
#pragma once
#include <cstdint>
#include <vector>
#include "engine/draw_rules.h"
#include "engine/movelist.h"
#include "search/positional_eval.h"
#include "search/stop_control.h"
#include "search/strong_table.h"

class EndgameDatabase;

constexpr EvalScore EvalInfinity = 32000;
constexpr EvalScore EvalWin = 30000;              // a side without a move has lost; less a ply per step
constexpr EvalScore EvalDatabaseWin = 29000;      // a database win; less a ply per step
constexpr EvalScore EvalWinThreshold = 28000;     // beyond it a score is a proven result
constexpr int StrongMaxPly = 120;

inline bool isProvenScore(EvalScore score) { return score >= EvalWinThreshold || score <= -EvalWinThreshold; }

// One searching thread: its path, killers, history and node count. The table is shared.
class StrongSearcher {
public:
  uint32_t probeLimit;  // positions of up to this many pieces are looked up in the database

  StrongSearcher(StrongTable& table, const EndgameDatabase& database, StopControl& stops);

  // Forgets the killers and the history, and sets the root and the game's positions before it
  // (oldest first) for the repetition check, and the draw rules' counts at the root
  // (by default they start there).
  void startDecision(const Position& root, const std::vector<Position>& earlier = {});
  void startDecision(const Position& root, const std::vector<Position>& earlier, const DrawState& draws);
  // Value of root move `move` at `depth` plies below the root, inside (alpha, beta).
  EvalScore searchRootMove(const Move& move, EvalScore alpha, EvalScore beta, int depth);
  // Value of a position `depth` plies deep (tools and tests).
  EvalScore searchPosition(const Position& position, EvalScore alpha, EvalScore beta, int depth);

  uint64_t nodes() const { return nodeCount; }
  void resetNodes() { nodeCount = 0; }
  StopControl& stops() { return stopControl; }
  bool stopped() const { return stopControl.stopped(); }

private:
  StrongTable& table;
  const EndgameDatabase& database;
  StopControl& stopControl;
  uint64_t nodeCount = 0;
  SquareSet rootKings = 0;
  uint64_t path[StrongMaxPly + 2];       // hashes of the positions from the root down
  int lastIrreversible[StrongMaxPly + 2];  // ply of the latest capture or man's move on the path
  Position rootPosition;
  DrawState drawStates[StrongMaxPly + 2];  // the draw rules' counts at each ply of the path
  uint16_t killers[StrongMaxPly + 2][2];
  int32_t history[1024];
  // Hashes of the game's positions since its last capture or man's move, by the side to move:
  // [0] the root's side, [1] the other.
  uint64_t gameHashes[2][StrongMaxPly];
  int gameHashCount[2] = {0, 0};

  bool repeatsGame(uint64_t hash, int ply) const;
  template <bool WhiteToMove>
  EvalScore node(SquareSet white, SquareSet black, SquareSet kings, EvalScore alpha, EvalScore beta, int depth, int ply);
  template <bool WhiteToMove>
  EvalScore quiescence(SquareSet white, SquareSet black, SquareSet kings, EvalScore alpha, EvalScore beta, int ply);
  EvalScore child(const Position& after, EvalScore alpha, EvalScore beta, int depth, int ply);
};

// The table, the searcher of the deciding thread and that of a helper thread. Stops asked of
// the deciding thread's control reach the helper through the decision.
class StrongEngine {
public:
  StrongTable table;
  StrongSearcher main;
  StopControl helperStops;
  StrongSearcher helper;

  StrongEngine(const EndgameDatabase& database, StopControl& stops);
};
