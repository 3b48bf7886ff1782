// The strong engine's decision: iterative deepening over the root moves. The first
// iterations, up to StrongFirstDepth, always finish; after them the clock may stop the
// search. A second thread may share the table (lazy SMP).
#pragma once
#include <cstdint>
#include "search/decision.h"

constexpr int StrongFirstDepth = 4;

struct StrongPlan {
  int fixedDepth = 0;      // search exactly this deep; 0: deepen on the clock
  int noise = 0;           // largest random change of a root score, in evaluation units
  uint32_t noiseSeed = 0;  // the noise's generator starts here
  int threads = 1;         // 1 or 2
};

// The seconds after which no new iteration starts, out of the move's `timeLimit`.
double strongSoftLimit(double timeLimit);

// Runs on the thread that owns `search`; a stop asked of `search` ends every thread.
DecisionResult decideStrong(Search& search, DecisionRequest request, const StrongPlan& plan,
                            DecisionProgress* progress = nullptr);
