#include "search/line_text.h"
#include <cstdio>
#include "i18n/translate.h"
#include "pdn/pdn_notation.h"
#include "pdn/review_notes.h"

std::string evaluationText(const AnalysisLine& line) {
  if (line.exactMoves > 0) return "win in " + std::to_string(line.exactMoves);
  if (line.exactMoves < 0) return "loss in " + std::to_string(-line.exactMoves);
  return valueText(line.value);
}

std::string shownEvaluation(const AnalysisLine& line) {
  char text[128];
  if (line.exactMoves > 0)
    std::snprintf(text, sizeof text, ngettext("win in %d move", "win in %d moves", line.exactMoves), line.exactMoves);
  else if (line.exactMoves < 0)
    std::snprintf(text, sizeof text, ngettext("loss in %d move", "loss in %d moves", -line.exactMoves),
                  -line.exactMoves);
  else
    return valueText(line.value);
  return text;
}

std::string movesText(const Position& root, const std::vector<Move>& moves) {
  std::string text;
  Position before = root;
  for (const Move& move : moves) {
    if (!text.empty()) text += ' ';
    text += moveText(before, move);
    before = move.after;
  }
  return text;
}

std::string analysisLineText(int rank, const Position& root, const AnalysisLine& line) {
  return std::to_string(rank) + " " + evaluationText(line) + " " + std::to_string(line.depth) + " " +
         movesText(root, line.moves);
}
