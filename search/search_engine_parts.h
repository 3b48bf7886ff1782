// The positional part of the search engine, for the engine's own files only.
#pragma once
#include "search/search_engine.h"
#include "search/shared_table.h"

// The shared table, the searcher of the deciding thread and that of a helper thread. Stops
// asked of the deciding thread's control reach the helper through the decision.
struct SearchEngine::Positional {
  SharedTable table;
  AlphaBeta<PositionalEvaluation> main;
  StopControl helperStops;
  AlphaBeta<PositionalEvaluation> helper;

  Positional(const EndgameDatabase& database, StopControl& stops)
      : main(table, database, stops), helper(table, database, helperStops) {}
};
