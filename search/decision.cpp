#include "search/decision.h"
#include <algorithm>
#include <random>
#include "enddb/database.h"
#include "engine/clock.h"

namespace {

// `draws`: the draw rules' counts at the root.
int searchRootMove(Search& search, const Move& move, int alpha, int beta, int depth, const DrawState& draws,
                   const Position& root) {
  const Position& p = move.after;
  return -search.searchNode(p.white, p.black, p.kings, p.whiteToMove, (Score)-beta, (Score)-alpha, depth,
                            drawStateAfter(draws, root, p));
}

// Root moves and their scores, highest first; a move passes only strictly lower ones.
void sortRootMoves(std::vector<Move>& moves, std::vector<int>& scores) {
  for (size_t i = 1; i < moves.size(); ++i)
    for (size_t j = i; j > 0 && scores[j - 1] < scores[j]; --j) {
      std::swap(scores[j - 1], scores[j]);
      std::swap(moves[j - 1], moves[j]);
    }
}

// The score of root move i at this depth, with the re-searches of the root window.
int scoreRootMove(Search& search, const Move& move, bool first, int& alpha, int& beta, int depth,
                  const DrawState& draws, const Position& root) {
  int score;
  if (first) {
    score = searchRootMove(search, move, alpha, beta, depth, draws, root);
    if (score <= alpha && !search.stopped()) {
      score = searchRootMove(search, move, SCORE_MIN, beta, depth, draws, root);
      alpha = SCORE_MIN;
    }
  } else {
    score = searchRootMove(search, move, alpha, alpha + 1, depth, draws, root);
    if (alpha < score && score < beta && !search.stopped())
      score = searchRootMove(search, move, alpha, beta, depth, draws, root);
  }
  if (score >= beta && !search.stopped()) {
    score = searchRootMove(search, move, alpha, SCORE_MAX, depth, draws, root);
    beta = SCORE_MAX;
  }
  return score;
}

}  // namespace

DecisionResult decide(Search& search, DecisionRequest request, DecisionProgress* progress) {
  std::vector<Move>& moves = request.moves;
  const int n = (int)moves.size();
  const double timeLimit = request.timeLimit;
  std::vector<int> scores(n, 0);
  const DrawState draws = rootDrawState(request);
  const double start = wallClock();
  search.probeLimit = request.probes ? search.database().pieceCount : 0;
  search.table.reset(timeLimit);
  search.table.markRoot(request.root.white, request.root.black, request.root.kings, request.root.whiteToMove);
  search.setDeadline(0);
  search.rearm();
  search.holdStops(true);  // so that a move is never played unsearched
  DecisionResult result;
  result.move = moves[0];  // kept if no move ever scores above the window's floor
  int alpha = SCORE_MIN, beta = SCORE_MAX;
  double estimate = 0;
  for (int depth = 2;; ++depth) {
    if (result.best <= -SCORE_WIN) {
      if (search.probeLimit == 0) break;
      // Lost with the database's knowledge: defend by play, on material alone.
      search.probeLimit = 0;
      alpha = SCORE_MIN;
      beta = SCORE_MAX;
    }
    if (depth > MaxSearchDepth) break;
    for (int i = 0; i < n; ++i) {
      const int score = scoreRootMove(search, moves[i], i == 0, alpha, beta, depth, draws, request.root);
      if (search.stopped()) {  // the time is up or a move was asked for: this move is unfinished
        result.aborted = true;
        result.movesAtAbort = i;
        result.abortedDepth = depth;
        break;
      }
      if (depth == 2 && i == 0) {
        search.setDeadline(start + timeLimit);
        search.holdStops(false);
      }
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
    if (progress) {
      progress->eval.store(result.best, std::memory_order_relaxed);
      progress->depth.store(depth, std::memory_order_relaxed);
    }
    sortRootMoves(moves, scores);
    if (result.best >= SCORE_WIN) break;
    alpha = std::max<int>(SCORE_MIN, result.best - 2);
    beta = std::min<int>(SCORE_MAX, result.best + 2);
    estimate = (wallClock() - start) * (1 + 2.0 / n) / n;
    if (timeLimit <= estimate * n) break;
  }
  search.holdStops(false);
  search.setDeadline(0);
  result.elapsed = wallClock() - start;
  return result;
}

DecisionResult decideAtDepth(Search& search, DecisionRequest request, int depth, int noise, uint32_t noiseSeed,
                             DecisionProgress* progress) {
  const std::vector<Move>& moves = request.moves;
  const DrawState draws = rootDrawState(request);
  search.probeLimit = request.probes ? search.database().pieceCount : 0;
  search.table.reset(request.timeLimit);
  search.table.markRoot(request.root.white, request.root.black, request.root.kings, request.root.whiteToMove);
  std::minstd_rand random(noiseSeed + 1);  // the generator refuses a zero seed
  const double start = wallClock();
  search.setDeadline(0);
  search.rearm();
  search.holdStops(true);  // the first move is always searched in full
  DecisionResult result;
  result.move = moves[0];
  result.completedDepth = depth;
  int best = 2 * SCORE_MIN - noise - 1;
  for (size_t i = 0; i < moves.size(); ++i) {
    const int change = noise > 0 ? (int)(random() % (2 * noise + 1)) - noise : 0;
    const int score = searchRootMove(search, moves[i], SCORE_MIN, SCORE_MAX, depth, draws, request.root);
    if (search.stopped()) {
      result.aborted = true;
      result.movesAtAbort = (int)i;
      result.abortedDepth = depth;
      break;
    }
    if (2 * score + change > best) {  // the noise counts in half men
      best = 2 * score + change;
      result.best = score;
      result.move = moves[i];
    }
    if (i == 0) {
      search.setDeadline(start + request.timeLimit);
      search.holdStops(false);
    }
  }
  if (progress) {
    progress->eval.store(result.best, std::memory_order_relaxed);
    progress->depth.store(depth, std::memory_order_relaxed);
  }
  search.holdStops(false);
  search.setDeadline(0);
  result.elapsed = wallClock() - start;
  return result;
}
