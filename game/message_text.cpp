#include "game/message_text.h"
#include <cstdio>
#include <cstdlib>
#include "i18n/translate.h"

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
    case LineTopic::LostOnTime: return line.white ? _("White lost on time.") : _("Black lost on time.");
  }
  return line.text;
}

std::string lineText(const LogLine& line, const SideNames& names) {
  if (line.topic == LineTopic::Text) return line.text;
  return std::string(names.of(line.white)) + levelWords(line) + "  " + lineWords(line, names);
}

std::string movesText(int moves) { return std::to_string(moves) + (moves == 1 ? " move" : " moves"); }

int wholeMoves(int plies) { return plies <= 0 ? 0 : (plies + 1) / 2; }

std::string takeBackText(int plies) { return "Took back " + movesText(wholeMoves(plies)) + "."; }

std::string replayText(int plies) { return "Replayed " + movesText(wholeMoves(plies)) + "."; }

std::string drawQuestionText(bool offeredByWhite) {
  return offeredByWhite ? "White offers a draw. Does Black accept?" : "Black offers a draw. Does White accept?";
}

std::string entryWords(const HistoryEntry& entry) {
  std::string words = notation(entry.move);
  if (entry.depth == 0) return words;  // never analysed
  // An analysed entry without a value shows as lost.
  if (!(entry.flags & evaluatedBit) || entry.evaluation <= -120) return words + " (lose)";
  if (entry.evaluation >= 120) return words + " (win)";
  return words + " (evaluation: " + std::to_string(entry.evaluation) + ")";
}

std::string drawRuleReasonText(DrawRule rule) {
  const std::string moves = std::to_string(drawCountMoves(rule));
  switch (rule) {
    case DrawRule::Repetition: return "Draw: the same position for the third time.";
    case DrawRule::KingsOnly: return "Draw: " + moves + " moves of each side with kings only and no capture.";
    case DrawRule::ThreeAgainstKing:
      return "Draw: " + moves + " moves of each side with three pieces against a lone king.";
    case DrawRule::TwoAgainstKing:
      return "Draw: " + moves + " moves of each side with two pieces or fewer against a lone king.";
    case DrawRule::NoRule: break;
  }
  return "";
}

std::string drawCountText(const DrawState& state) {
  const DrawRule rule = shownDrawCount(state);
  const char* name = rule == DrawRule::KingsOnly          ? "Kings only"
                     : rule == DrawRule::ThreeAgainstKing ? "Three against a king"
                     : rule == DrawRule::TwoAgainstKing   ? "Two against a king"
                                                          : nullptr;
  if (!name) return "";
  return std::string(name) + ": " + std::to_string(drawCountedMoves(state, rule)) + " of " +
         std::to_string(drawCountMoves(rule)) + " moves.";
}
