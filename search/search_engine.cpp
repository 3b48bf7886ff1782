#include "search/search_engine.h"
#include "enddb/database.h"
#include "search/search_engine_parts.h"

SearchEngine::SearchEngine(const EndgameDatabase& database)
    : knowledge(database), material(table, database, stops) {}

SearchEngine::~SearchEngine() = default;

SearchEngine::Positional& SearchEngine::positionalSearch() {
  if (!positional) positional = std::make_unique<Positional>(table, knowledge, stops);
  return *positional;
}

SearchEngine::RootAccess SearchEngine::positionalRoot() {
  Positional& search = positionalSearch();
  return {search.main, table, stops};
}

Score SearchEngine::searchPosition(const Position& position, int depth, Evaluation evaluation, bool probes) {
  const uint32_t probeLimit = probes ? knowledge.pieceCount : 0;
  Score score;
  if (evaluation == Evaluation::Material) {
    table.clear(true);
    material.setProbeLimit(probeLimit);
    material.resetNodes();
    score = material.searchPosition(position, -MaterialCount::Infinity, MaterialCount::Infinity, depth);
    visited += material.nodes();
  } else {
    Positional& search = positionalSearch();
    table.clear(false);
    search.main.setProbeLimit(probeLimit);
    search.main.resetNodes();
    constexpr Score Infinity = PositionalEvaluation::Infinity;
    score = search.main.searchPosition(position, -Infinity, Infinity, depth);
    visited += search.main.nodes();
  }
  return score;
}
