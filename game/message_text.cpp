#include "game/message_text.h"
#include <cstdio>
#include <cstdlib>

std::string evaluationText(Score eval, Evaluation evaluation) {
  if (evaluation == Evaluation::Material) return std::to_string(countedValue(eval, evaluation));
  if (eval >= ScoreProven) return "win";
  if (eval <= -ScoreProven) return "loss";
  char text[24];
  std::snprintf(text, sizeof text, "%s%d.%02d", eval < 0 ? "-" : "", std::abs(eval) / 100, std::abs(eval) % 100);
  return text;
}

namespace {

std::string notation(const Move& move) {
  char text[6] = {};
  move.writeNotation(text);
  return text;
}

std::string searchFigures(const SearchFigures& s) {
  char text[160];
  const std::string eval = evaluationText(s.eval, s.evaluation);
  if (s.partial)
    std::snprintf(text, sizeof text, "(eval %s, time %.2fs, depth %d and %d/%d moves at depth %d)", eval.c_str(),
                  s.seconds, s.depth, s.movesAtNextDepth, s.rootMoves, s.depth + 1);
  else
    std::snprintf(text, sizeof text, "(eval %s, time %.2fs, depth %d)", eval.c_str(), s.seconds, s.depth);
  return text;
}

// A computer's choice at a level other than classic names the level after the side: " (strong)".
// Only the lines that tell how it chose; the level is left out of every other line.
std::string levelWords(const LogLine& line) {
  const bool decision = line.topic == LineTopic::BookMove || line.topic == LineTopic::DatabaseMove ||
                        line.topic == LineTopic::SearchedMove;
  return decision && !line.level.empty() ? " (" + line.level + ")" : "";
}

}  // namespace

std::string lineWords(const LogLine& line, const SideNames& names) {
  switch (line.topic) {
    case LineTopic::Text: return line.text;
    case LineTopic::ForcedMove: return notation(line.move) + " - forced move";
    case LineTopic::BookMove: return notation(line.move) + " (opening book move)";
    case LineTopic::DatabaseMove: return notation(line.move) + " (end db move)";
    case LineTopic::SearchedMove: return notation(line.move) + " " + searchFigures(line.search);
    case LineTopic::DrawOffer:
      return std::string(line.accepted ? "offered draw and " : "offered draw but ") + names.of(!line.white) +
             (line.accepted ? " accept." : " refused.");
    case LineTopic::Resignation: return "resigned.";
  }
  return line.text;
}

std::string lineText(const LogLine& line, const SideNames& names) {
  if (line.topic == LineTopic::Text) return line.text;
  return std::string(names.of(line.white)) + levelWords(line) + "  " + lineWords(line, names);
}

std::string entryWords(const HistoryEntry& entry) {
  std::string words = notation(entry.move);
  if (entry.depth == 0) return words;  // never analysed
  // An analysed entry without a value shows as lost.
  if (!(entry.flags & evaluatedBit) || entry.evaluation <= -120) return words + " (lose)";
  if (entry.evaluation >= 120) return words + " (win)";
  return words + " (evaluation: " + std::to_string(entry.evaluation) + ")";
}
