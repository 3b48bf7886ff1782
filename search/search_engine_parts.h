// The positional part of the search engine, for the engine's own files only.
#pragma once
#include "search/search_engine.h"

// The searcher of the deciding thread and that of a helper thread, on the engine's table.
// Stops asked of the deciding thread's control reach the helper through the decision.
struct SearchEngine::Positional {
  AlphaBeta<PositionalEvaluation> main;
  StopControl helperStops;
  AlphaBeta<PositionalEvaluation> helper;

  Positional(TranspositionTable& table, const EndgameDatabase& database, StopControl& stops)
      : main(table, database, stops), helper(table, database, helperStops) {}
};
