// What a decision is asked and what it answers. SearchEngine::decide runs it, on whichever
// thread owns the engine, under the time limit and the plan it is given.
#pragma once
#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>
#include "engine/draw_rules.h"
#include "engine/movelist.h"
#include "search/score.h"

constexpr int MaxSearchDepth = 62;  // the deepest the material search looks below the root moves
constexpr int PositionalFirstDepth = 4;  // the positional decision always finishes this depth

struct DecisionRequest {
  Position root;
  std::vector<Move> moves;  // the root moves, in the order to search them; at least one
  double timeLimit = 1;     // seconds
  bool probes = true;       // false: the root moves all keep a database draw; choose by play
  std::vector<Position> earlier;  // the game's positions before the root, oldest first
  uint32_t seed = 0;        // draws the plan's fixed depth and its noise
  std::optional<DrawState> draws;  // the draw rules' counts at the root; none: they start there
};

// The draw rules' counts at the request's root.
inline DrawState rootDrawState(const DecisionRequest& request) {
  return request.draws ? *request.draws : drawStateAt(request.root);
}

// What a watcher on another thread may read while the decision runs.
struct DecisionProgress {
  std::atomic<int> depth{0};  // last completed depth
  std::atomic<Score> eval{0}; // its best score
};

struct DecisionResult {
  Move move;
  Score best = 0;
  int completedDepth = 1;
  bool aborted = false;  // an iteration was left unfinished
  int movesAtAbort = 0;  // root moves finished in that iteration
  int abortedDepth = 0;
  double elapsed = 0;  // seconds
};

// The seconds after which the positional decision starts no new iteration, out of `timeLimit`.
double positionalSoftLimit(double timeLimit);
