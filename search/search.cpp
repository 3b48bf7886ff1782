// Fail-soft principal-variation search over the children of the move generator, with
// the end-game database probed first and the transposition table second.
#include "search/search.h"
#include "enddb/database.h"
#include "search/draw_rule_line.h"
#include "search/strong_search.h"

namespace {

constexpr int DatabaseDrawHorizon = 5;  // a drawn ending this close to the horizon is searched one ply
constexpr uint64_t StopPollNodes = 4095;  // the stop flag and the clock are read every 4096 nodes

// The child in slot `slot` after children 0 and `swapped` were exchanged, numbered in generation order.
inline uint8_t generationIndex(int slot, int swapped) {
  return (uint8_t)(slot == swapped ? 0 : slot == 0 ? swapped : slot);
}

}  // namespace

Search::Search(const EndgameDatabase& database) : probeLimit(database.pieceCount), knowledge(database) {}

void Search::probeWholeDatabase() { probeLimit = knowledge.pieceCount; }

Search::~Search() = default;

StrongEngine& Search::strongEngine() {
  if (!strong) strong = std::make_unique<StrongEngine>(knowledge, stops);
  return *strong;
}

template <bool WhiteToMove>
Score Search::quiescenceFor(SquareSet white, SquareSet black, SquareSet kings, int alpha, int beta) {
  if ((++nodeCount & StopPollNodes) == 0) stops.poll();
  if (stops.stopped()) return 0;
  Child children[ChildCapacity];
  const int count = generateChildren<WhiteToMove>(children, white, black, kings, true);
  // No stand-pat: a side that can capture must, so only quiet positions are evaluated.
  if (count == 0) return evaluate(white, black, kings, WhiteToMove);
  int best = SCORE_MIN;
  for (int i = 0; i < count; ++i) {
    const Child& c = children[i];
    const int value = -quiescenceFor<!WhiteToMove>(c.white, c.black, c.kings, -beta, -alpha);
    if (value > best) {
      if (value >= beta) return (Score)value;
      best = value;
      if (value > alpha) alpha = value;
    }
  }
  return (Score)best;
}

// Starts loading the table slot of a position that is about to be searched.
template <bool WhiteToMove>
inline void Search::prefetchEntry(const Child& c) const {
  const uint64_t hash = positionHash(c.white, c.black, c.kings, WhiteToMove);
  __builtin_prefetch(&table.entries[hash >> (64 - table.bits)]);
}

template <bool WhiteToMove>
Score Search::searchFor(SquareSet white, SquareSet black, SquareSet kings, int alpha, int beta, int depth,
                        DrawState draws) {
  if ((++nodeCount & StopPollNodes) == 0) stops.poll();
  if (stops.stopped()) return 0;
  // Draw rules: past a count the game is drawn, unless the side to move has lost on the board.
  if (drawRuleReached(draws) != DrawRule::NoRule)
    return countMoves<WhiteToMove>(white, black, kings) == 0 ? -SCORE_WIN : SCORE_DRAW;
  const uint32_t pieces = (uint32_t)popCount(white | black);
  if (pieces <= probeLimit) {
    uint8_t status = knowledge.statusOf(white, black, kings, WhiteToMove);
    // Draw rules: a database win counts only if its line ends inside the running counts.
    status = statusWithinCounts(knowledge, Position(white, black, kings, WhiteToMove), draws, status);
    if (status == StatusWin) return SCORE_WIN;
    if (status == StatusLoss) return -SCORE_WIN;
    if (status == StatusDraw && depth <= DatabaseDrawHorizon) depth = 1;
  }

  TTEntry* entry = table.lookup(positionHash(white, black, kings, WhiteToMove));
  const int entryDepth = depth < RootDepth ? depth : RootDepth;
  if (entry->depth >= entryDepth) {
    switch (entry->bound) {
      case BOUND_OPEN:  // already on the path: a repetition
        return SCORE_DRAW;
      case BOUND_LOWER:
        if (entry->value >= beta) return (Score)beta;
        break;
      case BOUND_UPPER:
        if (entry->value <= alpha) return (Score)alpha;
        break;
      default:
        return entry->value;
    }
  }

  Child children[ChildCapacity];
  const int count = generateChildren<WhiteToMove>(children, white, black, kings, false);
  if (count == 0) return -SCORE_WIN;  // a side that cannot move has lost

  int swapped = 0;
  if (entry->depth != 0 && entry->bestIndex != 0 && entry->bestIndex < count) {
    swapped = entry->bestIndex;
    const Child first = children[0];
    children[0] = children[swapped];
    children[swapped] = first;
  }

  entry->bound = BOUND_OPEN;
  entry->depth = (uint8_t)entryDepth;
  int best = SCORE_MIN;
  int bestSlot = 0;
  bool raised = false;
  const Position here(white, black, kings, WhiteToMove);
  --depth;
  if (depth > 0) prefetchEntry<!WhiteToMove>(children[0]);
  for (int i = 0; i < count; ++i) {
    const Child& c = children[i];
    if (depth > 0 && i + 1 < count) prefetchEntry<!WhiteToMove>(children[i + 1]);
    const DrawState next = drawStateAfter(draws, here, Position(c.white, c.black, c.kings, !WhiteToMove));
    int value;
    if (depth == 0) {
      value = -quiescenceFor<!WhiteToMove>(c.white, c.black, c.kings, -beta, -alpha);
    } else if (!raised) {
      value = -searchFor<!WhiteToMove>(c.white, c.black, c.kings, -beta, -alpha, depth, next);
    } else {
      value = -searchFor<!WhiteToMove>(c.white, c.black, c.kings, -alpha - 1, -alpha, depth, next);
      if (value > alpha && value < beta)
        value = -searchFor<!WhiteToMove>(c.white, c.black, c.kings, -beta, -alpha, depth, next);
    }
    if (stops.stopped()) return 0;  // the value is unfinished: store nothing
    if (value >= beta) {
      entry->bound = BOUND_LOWER;
      entry->value = (int8_t)value;
      entry->bestIndex = generationIndex(i, swapped);
      return (Score)value;
    }
    if (value > best) {
      best = value;
      bestSlot = i;
      if (value > alpha) {
        alpha = value;
        raised = true;
      }
    }
  }
  entry->bound = raised ? BOUND_EXACT : BOUND_UPPER;
  entry->value = (int8_t)best;
  entry->bestIndex = generationIndex(bestSlot, swapped);
  return (Score)best;
}

Score Search::searchNode(SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove, Score alpha, Score beta,
                 int depth) {
  return searchNode(white, black, kings, whiteToMove, alpha, beta, depth,
                    drawStateAt(Position(white, black, kings, whiteToMove)));
}

Score Search::searchNode(SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove, Score alpha, Score beta,
                         int depth, const DrawState& draws) {
  return whiteToMove ? searchFor<true>(white, black, kings, alpha, beta, depth, draws)
                     : searchFor<false>(white, black, kings, alpha, beta, depth, draws);
}

Score Search::quiescence(SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove, Score alpha, Score beta) {
  return whiteToMove ? quiescenceFor<true>(white, black, kings, alpha, beta)
                     : quiescenceFor<false>(white, black, kings, alpha, beta);
}
