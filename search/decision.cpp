// SearchEngine::decide: one iterative-deepening loop over the root moves under a time limit,
// or up to a fixed depth drawn from the plan, with the limit enforced inside the search. What
// differs between the evaluations (where the depth counts from, the window around the last
// value, the time rule, the helper thread) is a DecisionStyle; the plan adds the fixed depth,
// the noise that blurs the root scores and the threads.
#include <algorithm>
#include <random>
#include <thread>
#include "enddb/database.h"
#include "engine/clock.h"
#include "search/search_engine.h"
#include "search/search_engine_parts.h"

namespace {

constexpr double SoftShare = 0.45;  // an iteration started later would rarely finish in time

// How the decision deepens around one evaluation. Depths are as a plan and the log name them.
struct DecisionStyle {
  int rootPly;             // 1: a depth counts the plies below the root moves; 0: from the root
  int firstIteration;      // on the clock the decision deepens from this depth
  int deepestIteration;    // and never beyond this one
  bool iteratesToFixedDepth;  // a fixed depth is reached by deepening; else searched at once
  int sureDepth;           // iterations that always finish; 0: only the first iteration's first move
  int aspirationFrom;      // from this depth the first move is searched in a window around the last value
  Score aspirationMargin;  // the window's reach either way
  bool windowForFirstMoveOnly;  // a failed window is searched in full and the later moves have no top;
                                // else only the failed side opens and the top holds for the iteration
  bool pacesRootMoves;     // the clock may end an iteration between root moves; else only between iterations
  bool keepsValueUntilBeaten;   // a cut iteration counts only if another move beat the last best
  bool defendsLostEndingsByPlay;  // lost by the database: probes go and the search plays on material
  bool endsOnForcedMove;   // a single root move needs no more than the sure iterations
};

// The material count searches as it always has: from two plies below the root moves, a window
// of two men around the last value, and a time rule that paces the root moves.
constexpr DecisionStyle materialStyle() {
  DecisionStyle style{};
  style.rootPly = 1;
  style.firstIteration = 2;
  style.deepestIteration = MaxSearchDepth;
  style.iteratesToFixedDepth = false;
  style.sureDepth = 0;
  style.aspirationFrom = 3;
  style.aspirationMargin = 2 * ScoreMan;
  style.windowForFirstMoveOnly = false;
  style.pacesRootMoves = true;
  style.keepsValueUntilBeaten = false;
  style.defendsLostEndingsByPlay = true;
  style.endsOnForcedMove = false;
  return style;
}

// The positional evaluation finishes its first iterations, narrows the first move's window
// from depth 5 and starts no iteration after a share of its time.
constexpr DecisionStyle positionalStyle() {
  DecisionStyle style{};
  style.rootPly = 0;
  style.firstIteration = 1;
  style.deepestIteration = 100;
  style.iteratesToFixedDepth = true;
  style.sureDepth = PositionalFirstDepth;
  style.aspirationFrom = 5;
  style.aspirationMargin = 40;
  style.windowForFirstMoveOnly = true;
  style.pacesRootMoves = false;
  style.keepsValueUntilBeaten = true;
  style.defendsLostEndingsByPlay = false;
  style.endsOnForcedMove = true;
  return style;
}

constexpr DecisionStyle MaterialStyle = materialStyle();
constexpr DecisionStyle PositionalStyle = positionalStyle();

template <class Eval>
constexpr const DecisionStyle& styleOf() {
  return Eval::kind == Evaluation::Material ? MaterialStyle : PositionalStyle;
}

// Root moves, their scores and their noise, highest score first; a move passes only strictly
// lower ones, so that ties keep their order.
void sortRootMoves(std::vector<Move>& moves, std::vector<Score>& scores, std::vector<Score>& noise) {
  for (size_t i = 1; i < moves.size(); ++i)
    for (size_t j = i; j > 0 && scores[j - 1] < scores[j]; --j) {
      std::swap(scores[j - 1], scores[j]);
      std::swap(moves[j - 1], moves[j]);
      std::swap(noise[j - 1], noise[j]);
    }
}

// The root window of one iteration: moves that fail it are searched again.
struct RootWindow {
  Score alpha, beta;
};

template <class Eval>
RootWindow iterationWindow(const DecisionStyle& style, int depth, Score previous) {
  if (depth < style.aspirationFrom || isProvenScore(previous)) return {-Eval::Infinity, Eval::Infinity};
  return {previous - style.aspirationMargin, previous + style.aspirationMargin};
}

// The first root move's score inside the window, searched again where it fails.
template <class Eval>
Score searchFirstMove(AlphaBeta<Eval>& search, const DecisionStyle& style, const Move& move, int plies,
                      RootWindow& window) {
  constexpr Score Infinity = Eval::Infinity;
  Score score = search.searchRootMove(move, window.alpha, window.beta, plies);
  if (style.windowForFirstMoveOnly) {
    if ((score <= window.alpha || score >= window.beta) && !search.stopped())
      score = search.searchRootMove(move, -Infinity, Infinity, plies);
    window = {-Infinity, Infinity};
    return score;
  }
  if (score <= window.alpha && !search.stopped()) {
    score = search.searchRootMove(move, -Infinity, window.beta, plies);
    window.alpha = -Infinity;
  }
  if (score >= window.beta && !search.stopped()) {
    score = search.searchRootMove(move, window.alpha, Infinity, plies);
    window.beta = Infinity;
  }
  return score;
}

// A later root move: a null window just above the best so far, searched again if it is passed.
template <class Eval>
Score searchLaterMove(AlphaBeta<Eval>& search, const Move& move, int plies, RootWindow& window) {
  Score score = search.searchRootMove(move, window.alpha, window.alpha + Eval::Step, plies);
  if (window.alpha < score && score < window.beta && !search.stopped())
    score = search.searchRootMove(move, window.alpha, window.beta, plies);
  if (score >= window.beta && !search.stopped()) {
    score = search.searchRootMove(move, window.alpha, Eval::Infinity, plies);
    window.beta = Eval::Infinity;
  }
  return score;
}

// A helper thread: the same root moves one ply deeper each time, filling the shared table.
template <class Eval>
void helpSearch(AlphaBeta<Eval>& helper, std::vector<Move> moves, int deepestPlies) {
  constexpr Score Infinity = Eval::Infinity;
  for (int plies = 2; plies <= deepestPlies; ++plies) {
    RootWindow window = {-Infinity, Infinity};
    for (size_t i = 0; i < moves.size(); ++i) {
      const Score score = i == 0 ? helper.searchRootMove(moves[i], -Infinity, Infinity, plies)
                                 : searchLaterMove(helper, moves[i], plies, window);
      if (helper.stopped()) return;
      window.alpha = std::max(window.alpha, score);
    }
  }
}

// Holds the stops from its making, so that the first work is never cut and a move is never
// played unsearched, until release() sets the deadline; at its end neither hold nor deadline is left.
class StopsHeld {
public:
  explicit StopsHeld(StopControl& stops) : stops(stops) {
    stops.setDeadline(0);
    stops.rearm();
    stops.holdStops(true);
  }
  ~StopsHeld() {
    stops.holdStops(false);
    stops.setDeadline(0);
  }
  void release(double deadline) {
    stops.setDeadline(deadline);
    stops.holdStops(false);
  }

private:
  StopControl& stops;
};

void reportProgress(DecisionProgress* progress, Score eval, int depth) {
  if (!progress) return;
  progress->eval.store(eval, std::memory_order_relaxed);
  progress->depth.store(depth, std::memory_order_relaxed);
}

// Random changes of the root scores, one per move, within `noise` either way.
std::vector<Score> rootNoise(size_t moves, int noise, uint32_t seed) {
  std::vector<Score> changes(moves, 0);
  if (noise <= 0) return changes;
  std::minstd_rand random(seed + 1);  // the generator refuses a zero seed
  for (Score& change : changes) change = (Score)(random() % (2 * noise + 1)) - noise;
  return changes;
}

// The iteration at `depth` ends unfinished after `finishedMoves` root moves.
void markCut(DecisionResult& result, int depth, int finishedMoves) {
  result.aborted = true;
  result.movesAtAbort = finishedMoves;
  result.abortedDepth = depth;
}

// The clock's word after a finished iteration: true when another one would not finish in time.
bool outOfTime(const DecisionStyle& style, double elapsed, double timeLimit, double& moveEstimate, int moves) {
  if (!style.pacesRootMoves) return elapsed >= positionalSoftLimit(timeLimit);
  moveEstimate = elapsed * (1 + 2.0 / moves) / moves;
  return timeLimit <= moveEstimate * moves;
}

// What the driver is given besides the request: the searchers, the plan's fixed depth (0: on
// the clock) and its noise, and the helper thread's searcher when the plan asks for one.
template <class Eval>
struct Drive {
  AlphaBeta<Eval>& search;
  StopControl& stops;
  AlphaBeta<Eval>* helper;  // with helperStops; null: one thread
  StopControl* helperStops;
  double start;  // on wallClock(): the setup counts against the time limit
  int fixedDepth;
  int noise;
  uint32_t noiseSeed;
};

template <class Eval>
DecisionResult driveDecision(const Drive<Eval>& drive, DecisionRequest& request, DecisionProgress* progress) {
  constexpr const DecisionStyle& style = styleOf<Eval>();
  constexpr Score Infinity = Eval::Infinity;
  std::vector<Move>& moves = request.moves;
  const int n = (int)moves.size();
  const bool fixed = drive.fixedDepth > 0;
  const int firstDepth = fixed && !style.iteratesToFixedDepth ? drive.fixedDepth : style.firstIteration;
  const int lastDepth = fixed ? drive.fixedDepth : style.deepestIteration;
  const int heldDepth = style.sureDepth > 0 ? std::min(style.sureDepth, lastDepth) : firstDepth;
  // Noise blurs true values, and a depth searched at once has no last value to narrow around.
  const bool everyMoveInFull = drive.noise > 0 || (fixed && !style.iteratesToFixedDepth);
  std::vector<Score> noise = rootNoise(moves.size(), drive.noise, drive.noiseSeed);
  std::vector<Score> scores(n, 0);

  std::thread helperThread;
  if (drive.helper && !fixed) {
    drive.helperStops->clearStop();
    helperThread = std::thread(helpSearch<Eval>, std::ref(*drive.helper), moves, lastDepth + style.rootPly);
  }

  const double start = drive.start;
  StopsHeld held(drive.stops);
  DecisionResult result;
  result.move = moves[0];  // kept if the first move is never finished
  result.completedDepth = firstDepth - 1;
  double moveEstimate = 0;
  for (int depth = firstDepth; depth <= lastDepth; ++depth) {
    if (style.defendsLostEndingsByPlay && result.best <= -ScoreProven) {
      if (drive.search.probes() == 0) break;
      drive.search.setProbeLimit(0);
    }
    const int plies = depth + style.rootPly;
    RootWindow window = iterationWindow<Eval>(style, depth, result.best);
    Score best = -Infinity - drive.noise - 1;
    int bestSlot = 0;
    for (int i = 0; i < n; ++i) {
      const Score score = everyMoveInFull ? drive.search.searchRootMove(moves[i], -Infinity, Infinity, plies)
                          : i == 0        ? searchFirstMove(drive.search, style, moves[i], plies, window)
                                          : searchLaterMove(drive.search, moves[i], plies, window);
      if (drive.stops.stopped()) {  // the time is up or a move was asked for: this move is unfinished
        markCut(result, depth, i);
        break;
      }
      if (style.sureDepth == 0 && depth == firstDepth && i == 0) held.release(start + request.timeLimit);
      scores[i] = score + noise[i];
      if (scores[i] > best) {
        best = scores[i];
        bestSlot = i;
        if (!style.keepsValueUntilBeaten) {
          result.best = score;
          result.move = moves[i];
        }
      }
      window.alpha = std::max(window.alpha, score);
      if (style.pacesRootMoves && !fixed && i < n - 1 && (wallClock() - start) + moveEstimate >= request.timeLimit) {
        markCut(result, depth, i + 1);
        break;
      }
    }
    if (result.aborted) {
      // A move that beat the last iteration's best, searched in full first, is better still.
      if (style.keepsValueUntilBeaten && result.movesAtAbort > 0 && bestSlot != 0) {
        result.move = moves[bestSlot];
        result.best = best;
      }
      break;
    }
    if (style.keepsValueUntilBeaten) {
      result.move = moves[bestSlot];
      result.best = best;
    }
    result.completedDepth = depth;
    reportProgress(progress, result.best, depth);
    sortRootMoves(moves, scores, noise);  // each move keeps its noise at every depth
    if (style.sureDepth > 0 && depth == heldDepth) {
      held.release(start + request.timeLimit);
      if (drive.stops.stopped()) break;
    }
    if (depth < heldDepth) continue;
    if (result.best >= ScoreProven || (style.endsOnForcedMove && n == 1)) break;
    if (!fixed && outOfTime(style, wallClock() - start, request.timeLimit, moveEstimate, n)) break;
  }
  if (helperThread.joinable()) {
    drive.helperStops->requestStop();
    helperThread.join();
  }
  result.elapsed = wallClock() - start;
  return result;
}

}  // namespace

double positionalSoftLimit(double timeLimit) { return timeLimit * SoftShare; }

DecisionResult SearchEngine::decide(DecisionRequest request, const SearchPlan& plan, DecisionProgress* progress) {
  const double start = wallClock();
  std::mt19937 random(request.seed);
  int fixedDepth = 0;
  if (plan.minDepth > 0) {
    const uint32_t depths = (uint32_t)(std::max(plan.maxDepth, plan.minDepth) - plan.minDepth + 1);
    fixedDepth = plan.minDepth + (int)(random() % depths);
  }
  const uint32_t noiseSeed = (uint32_t)random();
  const uint32_t probeLimit = request.probes ? knowledge.pieceCount : 0;
  if (plan.evaluation == Evaluation::Material) {
    material.setProbeLimit(probeLimit);
    material.startDecision(request.root, {}, rootDrawState(request));
    table.startMarkedPathDecision(request.timeLimit);
    table.markRoot(request.root);
    return driveDecision<MaterialCount>({material, stops, nullptr, nullptr, start, fixedDepth, plan.noise, noiseSeed},
                                        request, progress);
  }
  Positional& engine = positionalSearch();
  engine.main.setProbeLimit(probeLimit);
  engine.main.startDecision(request.root, request.earlier, rootDrawState(request));
  table.startSharedDecision();  // aged, not cleared: nothing to pay for before the clock starts
  const bool helped = plan.threads > 1;
  if (helped) {
    engine.helper.setProbeLimit(probeLimit);
    engine.helper.startDecision(request.root, request.earlier, rootDrawState(request));
  }
  return driveDecision<PositionalEvaluation>({engine.main, stops, helped ? &engine.helper : nullptr,
                                              &engine.helperStops, start, fixedDepth, plan.noise, noiseSeed},
                                             request, progress);
}
