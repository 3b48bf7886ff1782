// The best few lines of a position from one iterative-deepening search. At each depth the
// root moves are searched so that the best `lines` of them get exact values (the later moves
// only need to show they stay below the last of those), each line then read from the table
// and, in a won or lost ending, from the database's own line to its end.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>
#include "engine/draw_rules.h"
#include "engine/movelist.h"

class SearchEngine;

constexpr int DefaultAnalysisLines = 3;
constexpr int DeepestAnalysis = 60;           // the last depth an analysis searches
constexpr double AnalysisReportInterval = 0.25;  // seconds between the reports of a running analysis

struct AnalysisLine {
  std::vector<Move> moves;  // the root move first
  int value = 0;            // hundredths of a man for the side to move at the root
  int depth = 0;            // the depth that gave it
  int exactMoves = 0;       // 0: a search value; N > 0: the side to move wins in N moves, < 0: loses in -N
};

struct AnalysisSnapshot {
  std::vector<AnalysisLine> lines;  // best first, from the last finished depth
  int depth = 0;                    // the last finished depth
  uint64_t nodes = 0;
  double nps = 0;
  double seconds = 0;
};

using AnalysisReport = std::function<void(const AnalysisSnapshot&)>;

struct AnalysisLimit {
  int depth = 0;       // the last depth to search; 0: DeepestAnalysis
  double seconds = 0;  // the search stops then, its last finished depth standing; 0: no limit
};

struct MultiLineRequest {
  Position root;
  int lines = DefaultAnalysisLines;
  AnalysisLimit limit;
  std::vector<Position> earlier;   // the game's positions before the root, oldest first
  std::optional<DrawState> draws;  // the draw rules' counts at the root; none: they start there
  std::optional<Move> kept;        // a root move whose value is always exact (a game's move, reviewed)
  AnalysisReport report;           // called on the searching thread, about every AnalysisReportInterval
};

struct MultiLineResult {
  AnalysisSnapshot best;  // the lines of the last finished depth
  AnalysisLine kept;      // the kept move's line at that depth, if one was asked for
  bool stopped = false;   // asked to stop before its limits
};

// Searches until a limit is reached or the engine is asked to stop; the first depth always
// finishes. A position without a move gives no line.
MultiLineResult searchLines(SearchEngine& engine, const MultiLineRequest& request);

// The best `lines` lines within the limit.
std::vector<AnalysisLine> analyseLines(SearchEngine& engine, const Position& position, int lines,
                                       AnalysisLimit limit);
// Deepens until asked to stop (or DeepestAnalysis), reporting about four times a second.
void analyseWithoutEnd(SearchEngine& engine, const Position& position, int lines, const AnalysisReport& report);
