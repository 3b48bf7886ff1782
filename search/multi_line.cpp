#include "search/multi_line.h"
#include <algorithm>
#include "enddb/database.h"
#include "engine/clock.h"
#include "search/draw_rule_line.h"
#include "search/search_engine.h"

namespace {

using Eval = PositionalEvaluation;
constexpr Score Infinity = Eval::Infinity;
constexpr int LongestLine = MaxSearchPly;  // moves shown of a line at most

uint64_t hashOf(const Position& p) { return positionHash(p.white, p.black, p.kings, p.whiteToMove); }

// The move of `before` that leads to `after`, if there is one.
bool moveTo(const Position& before, const Position& after, Move& move) {
  const MoveList list(before);
  for (const Move& m : list)
    if (m.after == after) {
      move = m;
      return true;
    }
  return false;
}

// The next move of a line: the database's in a won or lost ending, else the table's best child.
// False where the line ends: no move, a database draw, or nothing known.
bool nextMove(SearchEngine::RootAccess& root, const EndgameDatabase& database, const Position& p,
              const DrawState& draws, Move& move) {
  if ((uint32_t)popCount(p.white | p.black) <= root.search.probes()) {
    const uint8_t status =
        statusWithinCounts(database, p, draws, database.statusOf(p.white, p.black, p.kings, p.whiteToMove));
    if (status == StatusDraw) return false;
    if (status == StatusWin || status == StatusLoss) {
      SquareSet white = p.white, black = p.black, kings = p.kings, from = 0;
      const uint8_t step = p.whiteToMove ? database.probeWhiteToMove(white, black, kings, from)
                                         : database.probeBlackToMove(white, black, kings, from);
      if (step != StatusWin && step != StatusLoss) return false;
      return moveTo(p, Position(white, black, kings, !p.whiteToMove), move);
    }
  }
  TableEntry entry;
  if (!root.table.probe(hashOf(p), entry)) return false;
  Child children[ChildCapacity];
  const int count = expandChildren(children, p.white, p.black, p.kings, p.whiteToMove, false);
  if (entry.bestIndex < 0 || entry.bestIndex >= count) return false;
  const Child& c = children[entry.bestIndex];
  return moveTo(p, Position(c.white, c.black, c.kings, !p.whiteToMove), move);
}

bool hasMove(const Position& p) {
  Child children[ChildCapacity];
  return expandChildren(children, p.white, p.black, p.kings, p.whiteToMove, false) > 0;
}

// The line from a root move: as long as the depth for a search value, to its end for a proven one.
AnalysisLine readLine(SearchEngine::RootAccess& root, const EndgameDatabase& database, const Position& start,
                      DrawState draws, const Move& first, Score value, int depth) {
  AnalysisLine line;
  line.value = value;
  line.depth = depth;
  line.moves.push_back(first);
  const bool proven = isProvenScore(value);
  const size_t longest = proven ? LongestLine : (size_t)std::max(depth, 1);
  std::vector<uint64_t> seen = {hashOf(start), hashOf(first.after)};
  draws = drawStateAfter(draws, start, first.after);
  Position p = first.after;
  bool ended = false;
  while (line.moves.size() < longest) {
    if (!hasMove(p)) {
      ended = true;
      break;
    }
    Move move;
    if (!nextMove(root, database, p, draws, move)) break;
    const uint64_t hash = hashOf(move.after);
    if (std::find(seen.begin(), seen.end(), hash) != seen.end()) break;
    seen.push_back(hash);
    draws = drawStateAfter(draws, p, move.after);
    p = move.after;
    line.moves.push_back(move);
  }
  if (!ended && !hasMove(p)) ended = true;
  if (proven) {
    // The line's length when it reaches the end; else the distance the score counts.
    const int moves = ended ? (int)line.moves.size() : std::max(1, Eval::pliesToResult(value));
    line.exactMoves = value > 0 ? moves : -moves;
  }
  return line;
}

// Ends the search's hold, deadline and reports at every exit.
class SearchSetup {
public:
  SearchSetup(StopControl& stops, double deadline, StopControl::Tick tick, void* context) : stops(stops) {
    stops.setDeadline(0);
    stops.rearm();
    stops.holdStops(true);  // the first depth always finishes
    deadlineLater = deadline;
    if (tick) stops.setTicker(tick, context, AnalysisReportInterval);
  }
  void releaseHold() {
    if (!held) return;
    held = false;
    stops.setDeadline(deadlineLater);
    stops.holdStops(false);
  }
  // A stop asked for after the search is left for the next one, never taken here.
  ~SearchSetup() {
    if (held) stops.holdStops(false);
    stops.setDeadline(0);
    stops.setTicker(nullptr, nullptr, 0);
  }

private:
  StopControl& stops;
  double deadlineLater;
  bool held = true;
};

struct RunState {
  const MultiLineRequest& request;
  AlphaBeta<Eval>& search;
  double start;
  AnalysisSnapshot snapshot;
  double lastReport = 0;

  void report() {
    if (!request.report) return;
    const double now = wallClock();
    snapshot.nodes = search.nodes();
    snapshot.seconds = now - start;
    snapshot.nps = snapshot.seconds > 0 ? (double)snapshot.nodes / snapshot.seconds : 0;
    lastReport = now;
    request.report(snapshot);
  }
  static void tick(void* context) {
    RunState& state = *static_cast<RunState*>(context);
    if (!state.snapshot.lines.empty()) state.report();
  }
};

// Root moves with their scores, best first; ties keep their order, an exact score before a bound.
struct RootMove {
  Move move;
  Score score = -Infinity;
  bool exact = false;
};

void sortRootMoves(std::vector<RootMove>& moves) {
  std::stable_sort(moves.begin(), moves.end(), [](const RootMove& a, const RootMove& b) {
    return a.score != b.score ? a.score > b.score : a.exact && !b.exact;
  });
}

// The score the `want`-th best exact move so far reaches; -Infinity until there are that many.
Score lastLineScore(const std::vector<RootMove>& moves, int searched, int want) {
  std::vector<Score> exact;
  for (int i = 0; i < searched; ++i)
    if (moves[i].exact) exact.push_back(moves[i].score);
  if ((int)exact.size() < want) return -Infinity;
  std::nth_element(exact.begin(), exact.begin() + (want - 1), exact.end(), std::greater<Score>());
  return exact[want - 1];
}

}  // namespace

MultiLineResult searchLines(SearchEngine& engine, const MultiLineRequest& request) {
  MultiLineResult result;
  const double start = wallClock();
  const MoveList list(request.root);
  if (list.size() == 0) return result;
  std::vector<RootMove> moves;
  for (const Move& move : list) moves.push_back({move, -Infinity, false});
  const int want = std::max(1, std::min(request.lines, list.size()));
  const int lastDepth = request.limit.depth > 0 ? std::min(request.limit.depth, DeepestAnalysis) : DeepestAnalysis;

  SearchEngine::RootAccess root = engine.positionalRoot();
  AlphaBeta<Eval>& search = root.search;
  const DrawState draws = request.draws ? *request.draws : drawStateAt(request.root);
  search.setProbeLimit(engine.database().pieceCount);
  search.startDecision(request.root, request.earlier, draws);
  search.resetNodes();
  root.table.startSharedDecision();

  RunState state{request, search, start, {}, 0};
  SearchSetup setup(root.stops, request.limit.seconds > 0 ? start + request.limit.seconds : 0,
                    request.report ? &RunState::tick : nullptr, &state);
  for (int depth = 1; depth <= lastDepth; ++depth) {
    bool cut = false;
    for (int i = 0; i < (int)moves.size(); ++i) {
      RootMove& rm = moves[i];
      const bool kept = request.kept && rm.move == *request.kept;
      Score score;
      if (i < want || kept) {
        score = search.searchRootMove(rm.move, -Infinity, Infinity, depth);
        rm.exact = true;
      } else {
        const Score floor = lastLineScore(moves, i, want);
        score = search.searchRootMove(rm.move, floor, floor + Eval::Step, depth);
        if (score > floor && !search.stopped()) score = search.searchRootMove(rm.move, floor, Infinity, depth);
        rm.exact = score > floor;
      }
      if (search.stopped()) {
        cut = true;
        break;
      }
      rm.score = score;
    }
    if (cut) break;
    sortRootMoves(moves);
    AnalysisSnapshot& snapshot = state.snapshot;
    snapshot.lines.clear();
    for (int i = 0; i < want; ++i)
      snapshot.lines.push_back(
          readLine(root, engine.database(), request.root, draws, moves[i].move, moves[i].score, depth));
    snapshot.depth = depth;
    if (request.kept)
      for (const RootMove& rm : moves)
        if (rm.move == *request.kept)
          result.kept = readLine(root, engine.database(), request.root, draws, rm.move, rm.score, depth);
    if (depth == 1) setup.releaseHold();
    if (search.stopped()) break;
    if (request.report && wallClock() - state.lastReport >= AnalysisReportInterval) state.report();
  }
  result.stopped = root.stops.stopAsked();
  result.best = state.snapshot;
  result.best.nodes = search.nodes();
  result.best.seconds = wallClock() - start;
  result.best.nps = result.best.seconds > 0 ? (double)result.best.nodes / result.best.seconds : 0;
  if (request.report && !result.stopped) request.report(result.best);
  return result;
}

std::vector<AnalysisLine> analyseLines(SearchEngine& engine, const Position& position, int lines,
                                       AnalysisLimit limit) {
  MultiLineRequest request;
  request.root = position;
  request.lines = lines;
  request.limit = limit;
  return searchLines(engine, request).best.lines;
}

void analyseWithoutEnd(SearchEngine& engine, const Position& position, int lines, const AnalysisReport& report) {
  MultiLineRequest request;
  request.root = position;
  request.lines = lines;
  request.report = report;
  searchLines(engine, request);
}
