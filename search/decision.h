// The computer's search decision: iterative deepening over the root moves under a time
// limit, with the limit enforced inside the search. Runs on whichever thread owns the Search.
#pragma once
#include <atomic>
#include <optional>
#include <vector>
#include "engine/movelist.h"
#include "search/search.h"

struct DecisionRequest {
  Position root;
  std::vector<Move> moves;  // the root moves, in the order to search them; at least one
  double timeLimit = 1;     // seconds
  bool probes = true;       // false: the root moves all keep a database draw; choose by play
  std::vector<Position> earlier;  // the game's positions before the root, oldest first (strong engine)
  std::optional<DrawState> draws;  // the draw rules' counts at the root; none: they start there
};

// The draw rules' counts at the request's root.
inline DrawState rootDrawState(const DecisionRequest& request) {
  return request.draws ? *request.draws : drawStateAt(request.root);
}

// What a watcher on another thread may read while the decision runs.
struct DecisionProgress {
  std::atomic<int> depth{0};  // last completed depth
  std::atomic<int> eval{0};   // its best score
};

struct DecisionResult {
  Move move;
  int best = 0;
  int completedDepth = 1;
  bool aborted = false;  // an iteration was left unfinished
  int movesAtAbort = 0;  // root moves finished in that iteration
  int abortedDepth = 0;
  double elapsed = 0;  // seconds
};

// Deepens from depth 2 until the time rule, the time limit, a stop request, a forced win
// or the depth cap ends it. The first root move at depth 2 is always searched in full.
DecisionResult decide(Search& search, DecisionRequest request, DecisionProgress* progress = nullptr);


// Every root move searched `depth` plies deep with the full window, each score changed by a
// random amount up to `noise` half men either way (drawn from `noiseSeed`); the best changed
// score wins.
// The time limit cuts it short after the first move.
DecisionResult decideAtDepth(Search& search, DecisionRequest request, int depth, int noise, uint32_t noiseSeed,
                             DecisionProgress* progress = nullptr);
