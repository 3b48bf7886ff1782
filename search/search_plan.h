// How a decision is searched: which evaluation, how deep or how long, how many threads,
// and how much random noise blurs the choice among the root moves. A level of play is
// nothing but a plan (player/level.h).
#pragma once
#include "search/evaluation.h"

struct SearchPlan {
  Evaluation evaluation = Evaluation::Material;
  int minDepth = 0;       // with maxDepth: a fixed depth drawn from minDepth..maxDepth; 0: on the clock
  int maxDepth = 0;
  int noise = 0;          // largest random change of a root score, in hundredths of a man
  double timeFactor = 1;  // times the time chosen for the computer
  double maxSeconds = 0;  // a cap on the time per move; 0: none
  int threads = 1;        // searching threads: 1 or 2
};

// The time a decision under `plan` may take when the player chose `seconds` a move.
double planSeconds(const SearchPlan& plan, double seconds);
