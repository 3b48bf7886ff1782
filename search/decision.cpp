// SearchEngine::decide: iterative deepening over the root moves under a time limit, or a
// fixed depth drawn from the plan, with the limit enforced inside the search. The material
// search deepens from two plies below the root moves and keeps a narrow window around the
// last value; the positional one always finishes its first iterations, may share its
// table with a second thread, and blurs its root scores with the plan's noise.
#include <algorithm>
#include <random>
#include <thread>
#include "enddb/database.h"
#include "engine/clock.h"
#include "search/search_engine.h"
#include "search/search_engine_parts.h"

namespace {

constexpr Score MaterialWin = MaterialCount::databaseWin(0);
constexpr Score MaterialWindow = 2 * ScoreMan;  // around the last iteration's value
constexpr int DeepestIteration = 100;
constexpr Score AspirationMargin = 40;
constexpr double SoftShare = 0.45;  // an iteration started later would rarely finish in time

using MaterialSearch = AlphaBeta<MaterialCount>;
using PositionalSearch = AlphaBeta<PositionalEvaluation>;

// Root moves, their scores and their noise, highest score first; a move passes only strictly
// lower ones, so that ties keep their order.
void sortRootMoves(std::vector<Move>& moves, std::vector<Score>& scores, std::vector<Score>* noise = nullptr) {
  for (size_t i = 1; i < moves.size(); ++i)
    for (size_t j = i; j > 0 && scores[j - 1] < scores[j]; --j) {
      std::swap(scores[j - 1], scores[j]);
      std::swap(moves[j - 1], moves[j]);
      if (noise) std::swap((*noise)[j - 1], (*noise)[j]);
    }
}

// The material search names its depth below the root moves; the searcher counts the root's ply.
Score materialRootMove(MaterialSearch& search, const Move& move, Score alpha, Score beta, int depth) {
  return search.searchRootMove(move, alpha, beta, depth + 1);
}

// The score of a root move at this depth, with the re-searches of the root window.
Score scoreMaterialRootMove(MaterialSearch& search, const Move& move, bool first, Score& alpha, Score& beta,
                            int depth) {
  Score score;
  if (first) {
    score = materialRootMove(search, move, alpha, beta, depth);
    if (score <= alpha && !search.stopped()) {
      score = materialRootMove(search, move, -MaterialCount::Infinity, beta, depth);
      alpha = -MaterialCount::Infinity;
    }
  } else {
    score = materialRootMove(search, move, alpha, alpha + MaterialCount::Step, depth);
    if (alpha < score && score < beta && !search.stopped()) score = materialRootMove(search, move, alpha, beta, depth);
  }
  if (score >= beta && !search.stopped()) {
    score = materialRootMove(search, move, alpha, MaterialCount::Infinity, depth);
    beta = MaterialCount::Infinity;
  }
  return score;
}

// The first move's exact score, first inside a window around the last iteration's.
Score searchFirstMove(PositionalSearch& searcher, const Move& move, int depth, Score previous) {
  constexpr Score Infinity = PositionalEvaluation::Infinity;
  if (depth >= 5 && !isProvenScore(previous)) {
    const Score alpha = previous - AspirationMargin, beta = previous + AspirationMargin;
    const Score score = searcher.searchRootMove(move, alpha, beta, depth);
    if ((score > alpha && score < beta) || searcher.stopped()) return score;
  }
  return searcher.searchRootMove(move, -Infinity, Infinity, depth);
}

// A helper thread: the same root moves one ply deeper each time, filling the shared table.
void helpSearch(PositionalSearch& helper, std::vector<Move> moves, int deepest) {
  constexpr Score Infinity = PositionalEvaluation::Infinity;
  for (int depth = 2; depth <= deepest; ++depth) {
    Score best = -Infinity;
    for (size_t i = 0; i < moves.size(); ++i) {
      Score score = i == 0 ? helper.searchRootMove(moves[i], -Infinity, Infinity, depth)
                           : helper.searchRootMove(moves[i], best, best + 1, depth);
      if (i > 0 && score > best && !helper.stopped()) score = helper.searchRootMove(moves[i], best, Infinity, depth);
      if (helper.stopped()) return;
      best = std::max(best, score);
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

}  // namespace

double positionalSoftLimit(double timeLimit) { return timeLimit * SoftShare; }

DecisionResult SearchEngine::decide(DecisionRequest request, const SearchPlan& plan, DecisionProgress* progress) {
  std::mt19937 random(request.seed);
  int fixedDepth = 0;
  if (plan.minDepth > 0) {
    const uint32_t depths = (uint32_t)(std::max(plan.maxDepth, plan.minDepth) - plan.minDepth + 1);
    fixedDepth = plan.minDepth + (int)(random() % depths);
  }
  const uint32_t noiseSeed = (uint32_t)random();
  if (plan.evaluation == Evaluation::Positional)
    return decidePositionally(request, plan, fixedDepth, noiseSeed, progress);
  if (fixedDepth > 0) return decideByMaterialAtDepth(request, fixedDepth, plan.noise, noiseSeed, progress);
  return decideByMaterial(request, progress);
}

// Deepens from depth 2 until the time rule, the time limit, a stop request, a forced win or
// the depth cap ends it. The first root move at depth 2 is always searched in full.
DecisionResult SearchEngine::decideByMaterial(DecisionRequest& request, DecisionProgress* progress) {
  std::vector<Move>& moves = request.moves;
  const int n = (int)moves.size();
  const double timeLimit = request.timeLimit;
  std::vector<Score> scores(n, 0);
  const double start = wallClock();
  material.setProbeLimit(request.probes ? knowledge.pieceCount : 0);
  material.startDecision(request.root, {}, rootDrawState(request));
  materialTable.reset(timeLimit);
  materialTable.markRoot(request.root.white, request.root.black, request.root.kings, request.root.whiteToMove);
  StopsHeld held(stops);
  DecisionResult result;
  result.move = moves[0];  // kept if no move ever scores above the window's floor
  Score alpha = -MaterialCount::Infinity, beta = MaterialCount::Infinity;
  double estimate = 0;
  for (int depth = 2;; ++depth) {
    if (result.best <= -MaterialWin) {
      if (material.probes() == 0) break;
      // Lost with the database's knowledge: defend by play, on material alone.
      material.setProbeLimit(0);
      alpha = -MaterialCount::Infinity;
      beta = MaterialCount::Infinity;
    }
    if (depth > MaxSearchDepth) break;
    for (int i = 0; i < n; ++i) {
      const Score score = scoreMaterialRootMove(material, moves[i], i == 0, alpha, beta, depth);
      if (stops.stopped()) {  // the time is up or a move was asked for: this move is unfinished
        result.aborted = true;
        result.movesAtAbort = i;
        result.abortedDepth = depth;
        break;
      }
      if (depth == 2 && i == 0) held.release(start + timeLimit);
      scores[i] = score;
      if (score > alpha) {
        alpha = score;
        result.best = score;
        result.move = moves[i];
      }
      if (i < n - 1 && (wallClock() - start) + estimate >= timeLimit) {
        result.aborted = true;
        result.movesAtAbort = i + 1;
        result.abortedDepth = depth;
        break;
      }
    }
    if (result.aborted) break;
    result.completedDepth = depth;
    reportProgress(progress, result.best, depth);
    sortRootMoves(moves, scores);
    if (result.best >= MaterialWin) break;
    alpha = std::max(-MaterialCount::Infinity, result.best - MaterialWindow);
    beta = std::min(MaterialCount::Infinity, result.best + MaterialWindow);
    estimate = (wallClock() - start) * (1 + 2.0 / n) / n;
    if (timeLimit <= estimate * n) break;
  }
  result.elapsed = wallClock() - start;
  return result;
}

// Every root move searched `depth` plies deep with the full window, each score changed by
// its noise; the best changed score wins. The time limit cuts it short after the first move.
DecisionResult SearchEngine::decideByMaterialAtDepth(DecisionRequest& request, int depth, int noise,
                                                     uint32_t noiseSeed, DecisionProgress* progress) {
  const std::vector<Move>& moves = request.moves;
  material.setProbeLimit(request.probes ? knowledge.pieceCount : 0);
  material.startDecision(request.root, {}, rootDrawState(request));
  materialTable.reset(request.timeLimit);
  materialTable.markRoot(request.root.white, request.root.black, request.root.kings, request.root.whiteToMove);
  const std::vector<Score> changes = rootNoise(moves.size(), noise, noiseSeed);
  const double start = wallClock();
  StopsHeld held(stops);  // the first move is always searched in full
  DecisionResult result;
  result.move = moves[0];
  result.completedDepth = depth;
  Score best = -MaterialCount::Infinity - noise - 1;
  for (size_t i = 0; i < moves.size(); ++i) {
    const Score score =
        materialRootMove(material, moves[i], -MaterialCount::Infinity, MaterialCount::Infinity, depth);
    if (stops.stopped()) {
      result.aborted = true;
      result.movesAtAbort = (int)i;
      result.abortedDepth = depth;
      break;
    }
    if (score + changes[i] > best) {
      best = score + changes[i];
      result.best = score;
      result.move = moves[i];
    }
    if (i == 0) held.release(start + request.timeLimit);
  }
  reportProgress(progress, result.best, depth);
  result.elapsed = wallClock() - start;
  return result;
}

// Deepens from depth 1; the iterations up to PositionalFirstDepth always finish, after them
// the clock may stop the search. With two threads a helper shares the table (lazy SMP).
DecisionResult SearchEngine::decidePositionally(DecisionRequest& request, const SearchPlan& plan, int fixedDepth,
                                                uint32_t noiseSeed, DecisionProgress* progress) {
  constexpr Score Infinity = PositionalEvaluation::Infinity;
  std::vector<Move>& moves = request.moves;
  const int n = (int)moves.size();
  Positional& engine = positionalSearch();
  PositionalSearch& searcher = engine.main;
  const uint32_t probeLimit = request.probes ? knowledge.pieceCount : 0;
  searcher.setProbeLimit(probeLimit);
  searcher.startDecision(request.root, request.earlier, rootDrawState(request));
  engine.table.newSearch();  // aged, not cleared: nothing to pay for before the clock starts

  std::vector<Score> noise = rootNoise(moves.size(), plan.noise, noiseSeed);
  const int deepest = fixedDepth > 0 ? fixedDepth : DeepestIteration;
  const int heldDepth = std::min(PositionalFirstDepth, deepest);

  std::thread helperThread;
  if (plan.threads > 1 && fixedDepth == 0) {
    engine.helper.setProbeLimit(probeLimit);
    engine.helper.startDecision(request.root, request.earlier, rootDrawState(request));
    engine.helperStops.clearStop();
    helperThread = std::thread(helpSearch, std::ref(engine.helper), moves, deepest);
  }

  const double start = wallClock();
  StopsHeld held(stops);  // until the first iterations are done
  DecisionResult result;
  result.move = moves[0];
  result.completedDepth = 0;
  std::vector<Score> scores(n, 0);
  Score previous = 0;
  for (int depth = 1; depth <= deepest; ++depth) {
    Score best = -Infinity;
    int bestSlot = 0;
    for (int i = 0; i < n; ++i) {
      Score score;
      if (plan.noise > 0) {  // every score exact, so that the noise blurs true values
        score = searcher.searchRootMove(moves[i], -Infinity, Infinity, depth);
      } else if (i == 0) {
        score = searchFirstMove(searcher, moves[i], depth, previous);
      } else {
        score = searcher.searchRootMove(moves[i], best, best + 1, depth);
        if (score > best && !searcher.stopped()) score = searcher.searchRootMove(moves[i], best, Infinity, depth);
      }
      if (searcher.stopped()) {
        result.aborted = true;
        result.movesAtAbort = i;
        result.abortedDepth = depth;
        break;
      }
      scores[i] = score + noise[i];
      if (scores[i] > best) {
        best = scores[i];
        bestSlot = i;
      }
    }
    // A move that beat the last iteration's best, searched in full first, is better still.
    if (result.aborted) {
      if (result.movesAtAbort > 0 && bestSlot != 0) {
        result.move = moves[bestSlot];
        result.best = best;
      }
      break;
    }
    result.move = moves[bestSlot];
    result.best = best;
    result.completedDepth = depth;
    previous = best;
    reportProgress(progress, best, depth);
    sortRootMoves(moves, scores, &noise);  // each move keeps its noise at every depth
    if (depth == heldDepth) {
      held.release(start + request.timeLimit);
      if (stops.stopped()) break;
    }
    if (depth < heldDepth) continue;
    if (best >= ScoreProven || n == 1) break;
    if (fixedDepth == 0 && wallClock() - start >= positionalSoftLimit(request.timeLimit)) break;
  }
  if (helperThread.joinable()) {
    engine.helperStops.requestStop();
    helperThread.join();
  }
  result.elapsed = wallClock() - start;
  return result;
}
