#include "search/strong_search.h"
#include <cstring>
#include "enddb/database.h"
#include "search/draw_rule_line.h"

namespace {

constexpr uint64_t StopPollNodes = 4095;  // the stop flag and the clock are read every 4096 nodes
constexpr int32_t TableMoveRank = 1 << 30;
constexpr int32_t FirstKillerRank = 1 << 29;
constexpr int32_t SecondKillerRank = 1 << 28;
constexpr int32_t HistoryCeiling = 1 << 24;  // history halves before it reaches the killers' ranks

// Proven results are stored as seen from the node, so that they read right at any ply.
inline EvalScore toTable(EvalScore value, int ply) {
  return value >= EvalWinThreshold ? value + ply : value <= -EvalWinThreshold ? value - ply : value;
}
inline EvalScore fromTable(EvalScore value, int ply) {
  return value >= EvalWinThreshold ? value - ply : value <= -EvalWinThreshold ? value + ply : value;
}

// A quiet move by its squares, for killers and history.
inline uint16_t quietMoveKey(SquareSet own, SquareSet ownAfter) {
  return (uint16_t)(squareIndex(own & ~ownAfter) * 32 + squareIndex(ownAfter & ~own) % 32);
}

}  // namespace

StrongSearcher::StrongSearcher(StrongTable& table, const EndgameDatabase& database, StopControl& stops)
    : probeLimit(database.pieceCount), table(table), database(database), stopControl(stops) {
  startDecision(InitialPosition);
}

namespace {

// The later position follows from the earlier one by a king's move without a capture.
bool reversibleStep(const Position& before, const Position& after) {
  return (before.white | before.black) != (after.white | after.black) &&
         popCount(before.white | before.black) == popCount(after.white | after.black) &&
         (before.white & ~before.kings) == (after.white & ~after.kings) &&
         (before.black & ~before.kings) == (after.black & ~after.kings);
}

}  // namespace

void StrongSearcher::startDecision(const Position& root, const std::vector<Position>& earlier) {
  startDecision(root, earlier, drawStateAt(root));
}

void StrongSearcher::startDecision(const Position& root, const std::vector<Position>& earlier,
                                   const DrawState& draws) {
  rootPosition = root;
  drawStates[0] = draws;
  gameHashCount[0] = gameHashCount[1] = 0;
  Position later = root;
  for (auto p = earlier.rbegin(); p != earlier.rend() && reversibleStep(*p, later); ++p) {
    const int side = p->whiteToMove == root.whiteToMove ? 0 : 1;
    if (gameHashCount[side] == StrongMaxPly) break;
    gameHashes[side][gameHashCount[side]++] = positionHash(p->white, p->black, p->kings, p->whiteToMove);
    later = *p;
  }
  path[0] = positionHash(root.white, root.black, root.kings, root.whiteToMove);
  lastIrreversible[0] = 0;
  rootKings = root.kings;
  std::memset(killers, 0, sizeof killers);
  std::memset(history, 0, sizeof history);
}

bool StrongSearcher::repeatsGame(uint64_t hash, int ply) const {
  if (lastIrreversible[ply] != 0) return false;
  const int side = ply & 1;
  for (int i = 0; i < gameHashCount[side]; ++i)
    if (gameHashes[side][i] == hash) return true;
  return false;
}

EvalScore StrongSearcher::child(const Position& after, EvalScore alpha, EvalScore beta, int depth, int ply) {
  return after.whiteToMove ? node<true>(after.white, after.black, after.kings, alpha, beta, depth, ply)
                           : node<false>(after.white, after.black, after.kings, alpha, beta, depth, ply);
}

EvalScore StrongSearcher::searchRootMove(const Move& move, EvalScore alpha, EvalScore beta, int depth) {
  // A king's move without a capture can be taken back; anything else cannot.
  const bool reversible = move.captured == 0 && (move.from & rootKings);
  lastIrreversible[1] = reversible ? 0 : 1;
  drawStates[1] = drawStateAfter(drawStates[0], rootPosition, move.after);
  return -child(move.after, -beta, -alpha, depth - 1, 1);
}

EvalScore StrongSearcher::searchPosition(const Position& position, EvalScore alpha, EvalScore beta, int depth) {
  startDecision(position);
  return position.whiteToMove ? node<true>(position.white, position.black, position.kings, alpha, beta, depth, 0)
                              : node<false>(position.white, position.black, position.kings, alpha, beta, depth, 0);
}

template <bool WhiteToMove>
EvalScore StrongSearcher::quiescence(SquareSet white, SquareSet black, SquareSet kings, EvalScore alpha,
                                     EvalScore beta, int ply) {
  if ((++nodeCount & StopPollNodes) == 0) stopControl.poll();
  if (stopControl.stopped()) return 0;
  Child children[ChildCapacity];
  const int count = ply >= StrongMaxPly ? 0 : generateChildren<WhiteToMove>(children, white, black, kings, true);
  // No stand-pat: a side that can capture must, so only quiet positions are evaluated.
  if (count == 0) return evaluatePositional(white, black, kings, WhiteToMove);
  EvalScore best = -EvalInfinity;
  for (int i = 0; i < count; ++i) {
    const Child& c = children[i];
    const EvalScore value = -quiescence<!WhiteToMove>(c.white, c.black, c.kings, -beta, -alpha, ply + 1);
    if (value > best) {
      if (value >= beta) return value;
      best = value;
      if (value > alpha) alpha = value;
    }
  }
  return best;
}

template <bool WhiteToMove>
EvalScore StrongSearcher::node(SquareSet white, SquareSet black, SquareSet kings, EvalScore alpha, EvalScore beta,
                               int depth, int ply) {
  // Draw rules: past a count the game is drawn, unless the side to move has lost on the board.
  if (drawRuleReached(drawStates[ply]) != DrawRule::NoRule)
    return countMoves<WhiteToMove>(white, black, kings) == 0 ? -(EvalWin - ply) : 0;
  if (depth <= 0) return quiescence<WhiteToMove>(white, black, kings, alpha, beta, ply);
  if ((++nodeCount & StopPollNodes) == 0) stopControl.poll();
  if (stopControl.stopped()) return 0;

  const uint64_t hash = positionHash(white, black, kings, WhiteToMove);
  for (int earlier = ply - 2; earlier >= lastIrreversible[ply]; earlier -= 2)
    if (path[earlier] == hash) return 0;  // a repetition on the path
  if (repeatsGame(hash, ply)) return 0;
  path[ply] = hash;

  if ((uint32_t)popCount(white | black) <= probeLimit) {
    uint8_t status = database.statusOf(white, black, kings, WhiteToMove);
    // Draw rules: a database win counts only if its line ends inside the running counts.
    status = statusWithinCounts(database, Position(white, black, kings, WhiteToMove), drawStates[ply], status);
    if (status == StatusWin) return EvalDatabaseWin - ply;
    if (status == StatusLoss) return -(EvalDatabaseWin - ply);
    if (status == StatusDraw) return 0;
  }
  if (ply >= StrongMaxPly) return evaluatePositional(white, black, kings, WhiteToMove);

  StrongEntry entry;
  const bool found = table.probe(hash, entry);
  const bool pvNode = beta - alpha > 1;
  if (found && entry.depth >= depth && !pvNode) {
    const EvalScore value = fromTable(entry.value, ply);
    if (entry.bound == BOUND_EXACT || (entry.bound == BOUND_LOWER && value >= beta) ||
        (entry.bound == BOUND_UPPER && value <= alpha))
      return value;
  }

  Child children[ChildCapacity];
  const int count = generateChildren<WhiteToMove>(children, white, black, kings, false);
  if (count == 0) return -(EvalWin - ply);  // a side that cannot move has lost

  const SquareSet own = WhiteToMove ? white : black;
  const SquareSet opponent = WhiteToMove ? black : white;
  const bool captures = (WhiteToMove ? children[0].black : children[0].white) != opponent;
  int32_t rank[ChildCapacity];
  uint16_t keys[ChildCapacity];
  int order[ChildCapacity];
  for (int i = 0; i < count; ++i) {
    order[i] = i;
    keys[i] = captures ? 0 : quietMoveKey(own, WhiteToMove ? children[i].white : children[i].black);
    rank[i] = captures ? 0
              : keys[i] == killers[ply][0] ? FirstKillerRank
              : keys[i] == killers[ply][1] ? SecondKillerRank
                                           : history[keys[i]];
  }
  if (found && entry.bestIndex < count) rank[entry.bestIndex] = TableMoveRank;

  const EvalScore originalAlpha = alpha;
  EvalScore best = -EvalInfinity;
  int bestIndex = 0;
  for (int n = 0; n < count; ++n) {
    int pick = n;
    for (int j = n + 1; j < count; ++j)
      if (rank[order[j]] > rank[order[pick]]) pick = j;
    const int i = order[pick];
    order[pick] = order[n];
    order[n] = i;
    const Child& c = children[i];
    if (n + 1 < count && depth > 1) {
      const Child& next = children[order[n + 1]];
      table.prefetch(positionHash(next.white, next.black, next.kings, !WhiteToMove));
    }
    const SquareSet ownAfter = WhiteToMove ? c.white : c.black;
    const bool reversible = !captures && (ownAfter & ~c.kings) == (own & ~kings);
    lastIrreversible[ply + 1] = reversible ? lastIrreversible[ply] : ply + 1;
    drawStates[ply + 1] = drawStateAfter(drawStates[ply], Position(white, black, kings, WhiteToMove),
                                         Position(c.white, c.black, c.kings, !WhiteToMove));

    EvalScore value;
    if (n == 0) {
      value = -node<!WhiteToMove>(c.white, c.black, c.kings, -beta, -alpha, depth - 1, ply + 1);
    } else {
      // Late quiet moves are first looked at less deeply; one that beats alpha is searched again in full.
      int reduction = 0;
      if (!captures && depth >= 3 && n >= 3 && rank[i] < SecondKillerRank) reduction = n >= 8 && depth >= 5 ? 2 : 1;
      value = -node<!WhiteToMove>(c.white, c.black, c.kings, -alpha - 1, -alpha, depth - 1 - reduction, ply + 1);
      if (value > alpha && reduction)
        value = -node<!WhiteToMove>(c.white, c.black, c.kings, -alpha - 1, -alpha, depth - 1, ply + 1);
      if (value > alpha && value < beta)
        value = -node<!WhiteToMove>(c.white, c.black, c.kings, -beta, -alpha, depth - 1, ply + 1);
    }
    if (stopControl.stopped()) return 0;  // the value is unfinished: store nothing
    if (value > best) {
      best = value;
      bestIndex = i;
      if (value > alpha) {
        alpha = value;
        if (value >= beta) {
          if (!captures) {
            if (killers[ply][0] != keys[i]) {
              killers[ply][1] = killers[ply][0];
              killers[ply][0] = keys[i];
            }
            if ((history[keys[i]] += depth * depth) > HistoryCeiling)
              for (int32_t& h : history) h /= 2;
          }
          break;
        }
      }
    }
  }
  const Bound bound = best >= beta ? BOUND_LOWER : best > originalAlpha ? BOUND_EXACT : BOUND_UPPER;
  table.store(hash, toTable(best, ply), depth, bound, bestIndex);
  return best;
}

StrongEngine::StrongEngine(const EndgameDatabase& database, StopControl& stops)
    : main(table, database, stops), helper(table, database, helperStops) {}
