#include "search/strong_decision.h"
#include <algorithm>
#include <random>
#include <thread>
#include "enddb/database.h"
#include "engine/clock.h"
#include "search/strong_search.h"

namespace {

constexpr int DeepestIteration = 100;
constexpr EvalScore AspirationMargin = 40;
constexpr double SoftShare = 0.45;  // an iteration started later would rarely finish in time

// Root moves, their scores and their noise, highest score first; ties keep their order.
void sortRootMoves(std::vector<Move>& moves, std::vector<EvalScore>& scores, std::vector<EvalScore>& noise) {
  for (size_t i = 1; i < moves.size(); ++i)
    for (size_t j = i; j > 0 && scores[j - 1] < scores[j]; --j) {
      std::swap(scores[j - 1], scores[j]);
      std::swap(moves[j - 1], moves[j]);
      std::swap(noise[j - 1], noise[j]);
    }
}

// The first move's exact score, first inside a window around the last iteration's.
EvalScore searchFirstMove(StrongSearcher& searcher, const Move& move, int depth, EvalScore previous) {
  if (depth >= 5 && !isProvenScore(previous)) {
    const EvalScore alpha = previous - AspirationMargin, beta = previous + AspirationMargin;
    const EvalScore score = searcher.searchRootMove(move, alpha, beta, depth);
    if ((score > alpha && score < beta) || searcher.stopped()) return score;
  }
  return searcher.searchRootMove(move, -EvalInfinity, EvalInfinity, depth);
}

// A helper thread: the same root moves one ply deeper each time, filling the shared table.
void helpSearch(StrongSearcher& helper, std::vector<Move> moves, int deepest) {
  for (int depth = 2; depth <= deepest; ++depth) {
    EvalScore best = -EvalInfinity;
    for (size_t i = 0; i < moves.size(); ++i) {
      EvalScore score = i == 0 ? helper.searchRootMove(moves[i], -EvalInfinity, EvalInfinity, depth)
                               : helper.searchRootMove(moves[i], best, best + 1, depth);
      if (i > 0 && score > best && !helper.stopped()) score = helper.searchRootMove(moves[i], best, EvalInfinity, depth);
      if (helper.stopped()) return;
      best = std::max(best, score);
    }
  }
}

}  // namespace

double strongSoftLimit(double timeLimit) { return timeLimit * SoftShare; }

DecisionResult decideStrong(Search& search, DecisionRequest request, const StrongPlan& plan,
                            DecisionProgress* progress) {
  std::vector<Move>& moves = request.moves;
  const int n = (int)moves.size();
  StrongEngine& engine = search.strongEngine();
  StrongSearcher& searcher = engine.main;
  const uint32_t probeLimit = request.probes ? search.database().pieceCount : 0;
  searcher.probeLimit = probeLimit;
  searcher.startDecision(request.root, request.earlier, rootDrawState(request));
  engine.table.newSearch();  // aged, not cleared: nothing to pay for before the clock starts

  std::vector<EvalScore> noise(n, 0);
  if (plan.noise > 0) {
    std::minstd_rand random(plan.noiseSeed + 1);  // the generator refuses a zero seed
    for (EvalScore& change : noise) change = (EvalScore)(random() % (2 * plan.noise + 1)) - plan.noise;
  }
  const int deepest = plan.fixedDepth > 0 ? plan.fixedDepth : DeepestIteration;
  const int heldDepth = std::min(StrongFirstDepth, deepest);

  std::thread helperThread;
  if (plan.threads > 1 && plan.fixedDepth == 0) {
    engine.helper.probeLimit = probeLimit;
    engine.helper.startDecision(request.root, request.earlier, rootDrawState(request));
    engine.helperStops.clearStop();
    helperThread = std::thread(helpSearch, std::ref(engine.helper), moves, deepest);
  }

  const double start = wallClock();
  search.setDeadline(0);
  search.rearm();
  search.holdStops(true);  // until the first iterations are done
  DecisionResult result;
  result.move = moves[0];
  result.completedDepth = 0;
  std::vector<EvalScore> scores(n, 0);
  EvalScore previous = 0;
  for (int depth = 1; depth <= deepest; ++depth) {
    EvalScore best = -EvalInfinity;
    int bestSlot = 0;
    for (int i = 0; i < n; ++i) {
      EvalScore score;
      if (plan.noise > 0) {  // every score exact, so that the noise blurs true values
        score = searcher.searchRootMove(moves[i], -EvalInfinity, EvalInfinity, depth);
      } else if (i == 0) {
        score = searchFirstMove(searcher, moves[i], depth, previous);
      } else {
        score = searcher.searchRootMove(moves[i], best, best + 1, depth);
        if (score > best && !searcher.stopped()) score = searcher.searchRootMove(moves[i], best, EvalInfinity, depth);
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
    if (progress) {
      progress->eval.store(best, std::memory_order_relaxed);
      progress->depth.store(depth, std::memory_order_relaxed);
    }
    sortRootMoves(moves, scores, noise);  // each move keeps its noise at every depth
    if (depth == heldDepth) {
      search.setDeadline(start + request.timeLimit);
      search.holdStops(false);
      if (search.stopped()) break;
    }
    if (depth < heldDepth) continue;
    if (best >= EvalWinThreshold || n == 1) break;
    if (plan.fixedDepth == 0 && wallClock() - start >= strongSoftLimit(request.timeLimit)) break;
  }
  if (helperThread.joinable()) {
    engine.helperStops.requestStop();
    helperThread.join();
  }
  search.holdStops(false);
  search.setDeadline(0);
  result.elapsed = wallClock() - start;
  return result;
}
