// The alpha-beta search: fail-soft principal-variation search over the children of the
// move generator, with end-game database probes, a transposition table, repetitions and
// the draw rules' counts scored as draws, and a capture-only horizon. The evaluation is a
// template parameter (see evaluation.h). Every score is from the side to move; callers negate.
#pragma once
#include <cstdint>
#include <vector>
#include "engine/draw_rules.h"
#include "engine/movelist.h"
#include "search/evaluation.h"
#include "search/stop_control.h"
#include "search/transposition_table.h"

class EndgameDatabase;

constexpr int MaxSearchPly = 120;

// One searching thread: its path, killers, history, node count and probe limit. The table
// and the database are shared; the stop control is the thread's own or the decision's.
template <class Eval>
class AlphaBeta {
public:
  AlphaBeta(TranspositionTable& table, const EndgameDatabase& database, StopControl& stops);

  // Positions of up to this many pieces are looked up in the database; 0 switches probes off.
  void setProbeLimit(uint32_t pieces) { probeLimit = pieces; }
  uint32_t probes() const { return probeLimit; }
  // Forgets the killers and the history, and sets the root, the game's positions before it
  // (oldest first) for the repetition check, and the draw rules' counts at the root (by
  // default they start there).
  void startDecision(const Position& root, const std::vector<Position>& earlier = {});
  void startDecision(const Position& root, const std::vector<Position>& earlier, const DrawState& draws);
  // Value of root move `move` searched `depth` plies below the root, inside (alpha, beta).
  // After a stop the value is meaningless: see stopped().
  Score searchRootMove(const Move& move, Score alpha, Score beta, int depth);
  // Value of a position searched `depth` plies deep (tools, analysis and tests).
  Score searchPosition(const Position& position, Score alpha, Score beta, int depth);
  // Value of the position when only captures are played out; quiet positions are evaluated.
  Score quiescence(const Position& position, Score alpha, Score beta);

  uint64_t nodes() const { return nodeCount; }
  void resetNodes() { nodeCount = 0; }
  bool stopped() const { return stops.stopped(); }

private:
  TranspositionTable& table;
  const EndgameDatabase& database;
  StopControl& stops;
  uint32_t probeLimit;
  uint64_t nodeCount = 0;
  Position rootPosition;
  uint64_t path[MaxSearchPly + 2];         // hashes of the positions from the root down
  int lastIrreversible[MaxSearchPly + 2];  // ply of the latest capture or man's move on the path
  DrawState drawStates[MaxSearchPly + 2];  // the draw rules' counts at each ply of the path
  uint16_t killers[MaxSearchPly + 2][2];
  int32_t history[1024];
  // Hashes of the game's positions since its last capture or man's move, by the side to move:
  // [0] the root's side, [1] the other.
  uint64_t gameHashes[2][MaxSearchPly];
  int gameHashCount[2] = {0, 0};

  bool repeats(uint64_t hash, int ply) const;
  template <bool WhiteToMove>
  Score node(SquareSet white, SquareSet black, SquareSet kings, Score alpha, Score beta, int depth, int ply);
  // A node with depth left: its children searched.
  template <bool WhiteToMove>
  Score expand(SquareSet white, SquareSet black, SquareSet kings, Score alpha, Score beta, int depth, int ply);
  template <bool WhiteToMove>
  Score captures(SquareSet white, SquareSet black, SquareSet kings, Score alpha, Score beta, int ply);
  Score child(const Position& after, Score alpha, Score beta, int depth, int ply);
  // The table's entry settles the node's value within (alpha, beta).
  bool tableAnswers(const TableSlot& slot, int depth, int ply, Score alpha, Score beta, Score& value) const;
};

extern template class AlphaBeta<MaterialCount>;
extern template class AlphaBeta<PositionalEvaluation>;
