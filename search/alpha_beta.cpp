#include "search/alpha_beta.h"
#include <cstring>
#include "enddb/database.h"
#include "engine/draw_rules.h"
#include "search/draw_rule_line.h"

namespace {

constexpr uint64_t StopPollNodes = 4095;  // the stop flag and the clock are read every 4096 nodes
constexpr int DatabaseDrawHorizon = 5;    // a drawn ending this close to the horizon is searched one ply
constexpr int32_t TableMoveRank = 1 << 30;
constexpr int32_t FirstKillerRank = 1 << 29;
constexpr int32_t SecondKillerRank = 1 << 28;
constexpr int32_t HistoryCeiling = 1 << 24;  // history halves before it reaches the killers' ranks

// A quiet move by its squares, for killers and history.
inline uint16_t quietMoveKey(SquareSet own, SquareSet ownAfter) {
  return (uint16_t)(squareIndex(own & ~ownAfter) * 32 + squareIndex(ownAfter & ~own) % 32);
}

// The later position follows from the earlier one by a king's move without a capture.
bool reversibleStep(const Position& before, const Position& after) {
  return (before.white | before.black) != (after.white | after.black) && kingMoveWithoutCapture(before, after);
}

// Proven results are kept as seen from their node when the search counts the plies to them,
// so that they read right at any ply.
template <class Eval>
Score toTable(Score value, int ply) {
  if constexpr (Eval::TableMarksPath) return value;
  return value >= ScoreProven ? value + ply : value <= -ScoreProven ? value - ply : value;
}
template <class Eval>
Score fromTable(Score value, int ply) {
  if constexpr (Eval::TableMarksPath) return value;
  return value >= ScoreProven ? value - ply : value <= -ScoreProven ? value + ply : value;
}

}  // namespace

template <class Eval>
AlphaBeta<Eval>::AlphaBeta(TranspositionTable& table, const EndgameDatabase& database, StopControl& stops)
    : table(table), database(database), stops(stops), probeLimit(database.pieceCount) {
  startDecision(InitialPosition);
}

template <class Eval>
void AlphaBeta<Eval>::startDecision(const Position& root, const std::vector<Position>& earlier) {
  startDecision(root, earlier, drawStateAt(root));
}

template <class Eval>
void AlphaBeta<Eval>::startDecision(const Position& root, const std::vector<Position>& earlier,
                                    const DrawState& draws) {
  rootPosition = root;
  drawStates[0] = draws;
  gameHashCount[0] = gameHashCount[1] = 0;
  Position later = root;
  for (auto p = earlier.rbegin(); p != earlier.rend() && reversibleStep(*p, later); ++p) {
    const int side = p->whiteToMove == root.whiteToMove ? 0 : 1;
    if (gameHashCount[side] == MaxSearchPly) break;
    gameHashes[side][gameHashCount[side]++] = positionHash(p->white, p->black, p->kings, p->whiteToMove);
    later = *p;
  }
  path[0] = positionHash(root.white, root.black, root.kings, root.whiteToMove);
  lastIrreversible[0] = 0;
  std::memset(killers, 0, sizeof killers);
  std::memset(history, 0, sizeof history);
}

// A repetition on the path, or of a game position since nothing irreversible happened.
template <class Eval>
bool AlphaBeta<Eval>::repeats(uint64_t hash, int ply) const {
  for (int earlier = ply - 2; earlier >= lastIrreversible[ply]; earlier -= 2)
    if (path[earlier] == hash) return true;
  if (lastIrreversible[ply] != 0) return false;
  const int side = ply & 1;
  for (int i = 0; i < gameHashCount[side]; ++i)
    if (gameHashes[side][i] == hash) return true;
  return false;
}

// Marking the path: an entry as deep as the node (or the root's mark) settles it; a mark of a
// position on the path is a repetition, and a bound beyond the window answers with the
// window's end. Shared: only outside the principal variation, where the window is null.
template <class Eval>
bool AlphaBeta<Eval>::tableAnswers(const TableSlot& slot, int depth, int ply, Score alpha, Score beta,
                                   Score& value) const {
  const TableEntry& entry = slot.entry;
  if constexpr (Eval::TableMarksPath) {
    if (entry.depth < (depth < RootDepth ? depth : RootDepth)) return false;
    switch (entry.bound) {
      case BOUND_OPEN:
        value = 0;
        return true;
      case BOUND_LOWER:
        value = beta;
        return entry.value >= beta;
      case BOUND_UPPER:
        value = alpha;
        return entry.value <= alpha;
      default:
        value = entry.value;
        return true;
    }
  } else {
    if (!slot.found || entry.depth < depth || beta - alpha > 1) return false;
    value = fromTable<Eval>(entry.value, ply);
    return entry.bound == BOUND_EXACT || (entry.bound == BOUND_LOWER && value >= beta) ||
           (entry.bound == BOUND_UPPER && value <= alpha);
  }
}

template <class Eval>
Score AlphaBeta<Eval>::child(const Position& after, Score alpha, Score beta, int depth, int ply) {
  return after.whiteToMove ? node<true>(after.white, after.black, after.kings, alpha, beta, depth, ply)
                           : node<false>(after.white, after.black, after.kings, alpha, beta, depth, ply);
}

template <class Eval>
Score AlphaBeta<Eval>::searchRootMove(const Move& move, Score alpha, Score beta, int depth) {
  // A king's move without a capture can be taken back; anything else cannot.
  const bool reversible = move.captured == 0 && (move.from & rootPosition.kings);
  lastIrreversible[1] = reversible ? 0 : 1;
  drawStates[1] = drawStateAfter(drawStates[0], rootPosition, move.after);
  return -child(move.after, -beta, -alpha, depth - 1, 1);
}

template <class Eval>
Score AlphaBeta<Eval>::searchPosition(const Position& position, Score alpha, Score beta, int depth) {
  startDecision(position);
  return child(position, alpha, beta, depth, 0);
}

template <class Eval>
Score AlphaBeta<Eval>::quiescence(const Position& p, Score alpha, Score beta) {
  return p.whiteToMove ? captures<true>(p.white, p.black, p.kings, alpha, beta, 0)
                       : captures<false>(p.white, p.black, p.kings, alpha, beta, 0);
}

template <class Eval>
template <bool WhiteToMove>
Score AlphaBeta<Eval>::captures(SquareSet white, SquareSet black, SquareSet kings, Score alpha, Score beta, int ply) {
  if ((++nodeCount & StopPollNodes) == 0) stops.poll();
  if (stops.stopped()) return 0;
  Child children[ChildCapacity];
  const int count = ply >= MaxSearchPly ? 0 : generateChildren<WhiteToMove>(children, white, black, kings, true);
  // No stand-pat: a side that can capture must, so only quiet positions are evaluated.
  if (count == 0) return Eval::evaluate(white, black, kings, WhiteToMove);
  Score best = -Eval::Infinity;
  for (int i = 0; i < count; ++i) {
    const Child& c = children[i];
    const Score value = -captures<!WhiteToMove>(c.white, c.black, c.kings, -beta, -alpha, ply + 1);
    if (value > best) {
      if (value >= beta) return value;
      best = value;
      if (value > alpha) alpha = value;
    }
  }
  return best;
}

// Small, so that it is inlined at its callers: most positions are at the horizon, and go
// straight to the capture search without the frame of a full node.
template <class Eval>
template <bool WhiteToMove>
inline Score AlphaBeta<Eval>::node(SquareSet white, SquareSet black, SquareSet kings, Score alpha, Score beta,
                                   int depth, int ply) {
  // Draw rules: past a count the game is drawn, unless the side to move has lost on the board.
  if (drawRuleReached(drawStates[ply]) != DrawRule::NoRule)
    return countMoves<WhiteToMove>(white, black, kings) == 0 ? Eval::noMoveLoss(ply) : 0;
  if (depth <= 0) return captures<WhiteToMove>(white, black, kings, alpha, beta, ply);
  return expand<WhiteToMove>(white, black, kings, alpha, beta, depth, ply);
}

template <class Eval>
template <bool WhiteToMove>
Score AlphaBeta<Eval>::expand(SquareSet white, SquareSet black, SquareSet kings, Score alpha, Score beta, int depth,
                              int ply) {
  if ((++nodeCount & StopPollNodes) == 0) stops.poll();
  if (stops.stopped()) return 0;

  const uint64_t hash = positionHash(white, black, kings, WhiteToMove);
  constexpr bool MarksPath = Eval::TableMarksPath;
  if constexpr (!MarksPath) {  // else the table's open marks find repetitions
    if (repeats(hash, ply)) return 0;
    path[ply] = hash;
  }
  if ((uint32_t)popCount(white | black) <= probeLimit) {
    uint8_t status = database.statusOf(white, black, kings, WhiteToMove);
    // Draw rules: a database win counts only if its line ends inside the running counts.
    status = statusWithinCounts(database, Position(white, black, kings, WhiteToMove), drawStates[ply], status);
    if (status == StatusWin) return Eval::databaseWin(ply);
    if (status == StatusLoss) return -Eval::databaseWin(ply);
    if (status == StatusDraw) {
      if constexpr (Eval::DatabaseDrawsEndTheSearch) return 0;
      if (depth <= DatabaseDrawHorizon) depth = 1;
    }
  }
  if (ply >= MaxSearchPly) return Eval::evaluate(white, black, kings, WhiteToMove);

  const TableSlot slot = table.find<MarksPath>(hash);
  Score known;
  if (tableAnswers(slot, depth, ply, alpha, beta, known)) return known;

  Child children[ChildCapacity];
  const int count = generateChildren<WhiteToMove>(children, white, black, kings, false);
  if (count == 0) return Eval::noMoveLoss(ply);

  const SquareSet own = WhiteToMove ? white : black;
  const SquareSet opponent = WhiteToMove ? black : white;
  const bool capturing = (WhiteToMove ? children[0].black : children[0].white) != opponent;
  const int tableMove = slot.found ? slot.entry.bestIndex : -1;
  // Without ranks the table's move comes first and the rest as generated, the first in its place.
  const int swapped = tableMove > 0 && tableMove < count ? tableMove : 0;
  int order[ChildCapacity];
  int32_t rank[ChildCapacity];
  uint16_t keys[ChildCapacity];
  if constexpr (Eval::RanksQuietMoves) {
    for (int i = 0; i < count; ++i) {
      order[i] = i;
      keys[i] = capturing ? 0 : quietMoveKey(own, WhiteToMove ? children[i].white : children[i].black);
      rank[i] = capturing ? 0
                : keys[i] == killers[ply][0] ? FirstKillerRank
                : keys[i] == killers[ply][1] ? SecondKillerRank
                                             : history[keys[i]];
    }
    if (tableMove >= 0 && tableMove < count) rank[tableMove] = TableMoveRank;
  }
  // The child searched n-th, by its index in generation order.
  auto childAt = [&](int n) {
    if constexpr (Eval::RanksQuietMoves)
      return order[n];
    else
      return n == 0 ? swapped : n == swapped ? 0 : n;
  };
  if constexpr (MarksPath) table.open(slot, depth);

  const Score originalAlpha = alpha;
  Score best = -Eval::Infinity;
  int bestIndex = childAt(0);
  if (depth > 1) {
    const Child& first = children[childAt(0)];
    table.prefetch<MarksPath>(positionHash(first.white, first.black, first.kings, !WhiteToMove));
  }
  for (int n = 0; n < count; ++n) {
    if constexpr (Eval::RanksQuietMoves) {
      int pick = n;
      for (int j = n + 1; j < count; ++j)
        if (rank[order[j]] > rank[order[pick]]) pick = j;
      const int chosen = order[pick];
      order[pick] = order[n];
      order[n] = chosen;
    }
    const int i = childAt(n);
    const Child& c = children[i];
    if (n + 1 < count && depth > 1) {
      const Child& next = children[childAt(n + 1)];
      table.prefetch<MarksPath>(positionHash(next.white, next.black, next.kings, !WhiteToMove));
    }
    if constexpr (!MarksPath) {
      const SquareSet ownAfter = WhiteToMove ? c.white : c.black;
      const bool reversible = !capturing && (ownAfter & ~c.kings) == (own & ~kings);
      lastIrreversible[ply + 1] = reversible ? lastIrreversible[ply] : ply + 1;
    }
    drawStates[ply + 1] = drawStateAfter(drawStates[ply], Position(white, black, kings, WhiteToMove),
                                         Position(c.white, c.black, c.kings, !WhiteToMove));

    Score value;
    const bool fullWindow =
        n == 0 || (Eval::FullWindowUntilRaised && (alpha == originalAlpha || depth == 1));
    if (fullWindow) {
      value = -node<!WhiteToMove>(c.white, c.black, c.kings, -beta, -alpha, depth - 1, ply + 1);
    } else {
      // Late quiet moves are first looked at less deeply; one that beats alpha is searched again in full.
      int reduction = 0;
      if constexpr (Eval::RanksQuietMoves)
        if (!capturing && depth >= 3 && n >= 3 && rank[i] < SecondKillerRank) reduction = n >= 8 && depth >= 5 ? 2 : 1;
      value = -node<!WhiteToMove>(c.white, c.black, c.kings, -alpha - Eval::Step, -alpha, depth - 1 - reduction,
                                  ply + 1);
      if (value > alpha && reduction)
        value = -node<!WhiteToMove>(c.white, c.black, c.kings, -alpha - Eval::Step, -alpha, depth - 1, ply + 1);
      if (value > alpha && value < beta)
        value = -node<!WhiteToMove>(c.white, c.black, c.kings, -beta, -alpha, depth - 1, ply + 1);
    }
    if (stops.stopped()) return 0;  // the value is unfinished: store nothing
    if (value > best) {
      best = value;
      bestIndex = i;
      if (value > alpha) {
        alpha = value;
        if (value >= beta) {
          if constexpr (Eval::RanksQuietMoves) {
            if (!capturing) {
              if (killers[ply][0] != keys[i]) {
                killers[ply][1] = killers[ply][0];
                killers[ply][0] = keys[i];
              }
              if ((history[keys[i]] += depth * depth) > HistoryCeiling)
                for (int32_t& h : history) h /= 2;
            }
          }
          break;
        }
      }
    }
  }
  const Bound bound = best >= beta ? BOUND_LOWER : best > originalAlpha ? BOUND_EXACT : BOUND_UPPER;
  table.store<MarksPath>(slot, toTable<Eval>(best, ply), depth, bound, bestIndex);
  return best;
}

template class AlphaBeta<MaterialCount>;
template class AlphaBeta<PositionalEvaluation>;
