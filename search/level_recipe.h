// How each level decides: which engine, how deep or how long, and how much random noise
// blurs its choice among the root moves. Each level is a fixed recipe.
#pragma once
#include "game/level.h"

struct LevelRecipe {
  bool positional = false;  // the positional engine; else the classic material search
  int minDepth = 0;         // with maxDepth: a fixed depth drawn from minDepth..maxDepth; 0: on the clock
  int maxDepth = 0;
  int noise = 0;            // largest random change of a root score: half men for the classic search,
                            // evaluation units (a man about 100) for the positional one
  double timeFactor = 1;    // times the time chosen for the computer
  double maxSeconds = 0;    // a cap on the time per move; 0: none
  int threads = 1;          // searching threads
};

LevelRecipe levelRecipe(Level level);
// The time a decision at this level may take when the player chose `seconds` a move.
double levelSeconds(Level level, double seconds);
