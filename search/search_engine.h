// The search engine: the database it reads, its transposition table, its searchers and
// the stop. One thread decides with it at a time; any thread may ask it to stop.
#pragma once
#include <memory>
#include "search/alpha_beta.h"
#include "search/decision.h"
#include "search/search_plan.h"
#include "search/stop_control.h"
#include "search/transposition_table.h"

class EndgameDatabase;

class SearchEngine {
public:
  explicit SearchEngine(const EndgameDatabase& database);
  ~SearchEngine();
  SearchEngine(const SearchEngine&) = delete;
  SearchEngine& operator=(const SearchEngine&) = delete;

  const EndgameDatabase& database() const { return knowledge; }

  // Chooses a root move as `plan` says (decision.cpp). A stop ends every thread of it.
  DecisionResult decide(DecisionRequest request, const SearchPlan& plan, DecisionProgress* progress = nullptr);
  // The full-window value of `position` searched `depth` plies deep from an emptied table
  // (analysis, tools, benchmarks); `probes` false leaves the database unread.
  Score searchPosition(const Position& position, int depth, Evaluation evaluation = Evaluation::Material,
                       bool probes = true);
  // The deciding thread's positional searcher, the table and the stop, for searches that
  // drive the root themselves (multi_line.cpp). Probes and the root are theirs to set.
  struct RootAccess {
    AlphaBeta<PositionalEvaluation>& search;
    TranspositionTable& table;
    StopControl& stops;
  };
  RootAccess positionalRoot();
  // Positions visited by searchPosition since the last resetNodes().
  uint64_t nodes() const { return visited; }
  void resetNodes() { visited = 0; }

  // Asks a running search to stop soon; safe from any thread.
  void requestStop() { stops.requestStop(); }
  // Forgets a stop asked for before the next search starts.
  void clearStop() { stops.clearStop(); }
  // The last search was cut short by a stop.
  bool stopped() const { return stops.stopped(); }

private:
  struct Positional;  // the two threads' positional searchers, made at their first use

  const EndgameDatabase& knowledge;
  StopControl stops;
  TranspositionTable table;
  AlphaBeta<MaterialCount> material;
  std::unique_ptr<Positional> positional;
  uint64_t visited = 0;

  Positional& positionalSearch();
};
