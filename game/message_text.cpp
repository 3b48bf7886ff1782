#include "game/message_text.h"
#include <cstdio>
#include <cstdlib>
#include "i18n/translate.h"

std::string evaluationText(Score eval, Evaluation evaluation) {
  if (evaluation == Evaluation::Material) return std::to_string(countedValue(eval, evaluation));
  if (eval >= ScoreProven) return _("win");
  if (eval <= -ScoreProven) return _("loss");
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
  const std::string eval = evaluationText(s.eval, s.evaluation);
  if (s.partial)
    return formatText(_("(eval %s, time %.2fs, depth %d and %d/%d moves at depth %d)"), eval.c_str(), s.seconds,
                      s.depth, s.movesAtNextDepth, s.rootMoves, s.depth + 1);
  return formatText(_("(eval %s, time %.2fs, depth %d)"), eval.c_str(), s.seconds, s.depth);
}

// A computer's choice at a level other than classic names the level after the side: "White (strong)".
// Only the lines that tell how it chose; the level is left out of every other line.
std::string sideWords(const LogLine& line, const SideNames& names) {
  const bool decision = line.topic == LineTopic::BookMove || line.topic == LineTopic::DatabaseMove ||
                        line.topic == LineTopic::SearchedMove;
  if (!decision || line.level.empty()) return names.of(line.white);
  // TRANSLATORS: the side that chose a move and the computer's level: "White (strong)".
  return formatText(_("%s (%s)"), names.of(line.white), _(line.level.c_str()));
}

}  // namespace

std::string lineWords(const LogLine& line, const SideNames& names) {
  switch (line.topic) {
    case LineTopic::Text: return line.text;
    case LineTopic::ForcedMove: return formatText(_("%s - forced move"), notation(line.move).c_str());
    case LineTopic::BookMove: return formatText(_("%s (opening book move)"), notation(line.move).c_str());
    case LineTopic::DatabaseMove: return formatText(_("%s (end db move)"), notation(line.move).c_str());
    case LineTopic::SearchedMove: return notation(line.move) + " " + searchFigures(line.search);
    case LineTopic::DrawOffer:
      // TRANSLATORS: %s is the other side (a piece symbol in the window).
      return formatText(line.accepted ? _("offered draw and %s accept.") : _("offered draw but %s refused."),
                        names.of(!line.white));
    case LineTopic::Resignation: return _("resigned.");
    case LineTopic::LostOnTime: return line.white ? _("White lost on time.") : _("Black lost on time.");
  }
  return line.text;
}

std::string lineText(const LogLine& line, const SideNames& names) {
  if (line.topic == LineTopic::Text) return line.text;
  return sideWords(line, names) + "  " + lineWords(line, names);
}

std::string movesText(int moves) { return formatText(ngettext("%d move", "%d moves", moves), moves); }

int wholeMoves(int plies) { return plies <= 0 ? 0 : (plies + 1) / 2; }

std::string takeBackText(int plies) {
  const int moves = wholeMoves(plies);
  return formatText(ngettext("Took back %d move.", "Took back %d moves.", moves), moves);
}

std::string replayText(int plies) {
  const int moves = wholeMoves(plies);
  return formatText(ngettext("Replayed %d move.", "Replayed %d moves.", moves), moves);
}

std::string drawQuestionText(bool offeredByWhite) {
  return offeredByWhite ? _("White offers a draw. Does Black accept?") : _("Black offers a draw. Does White accept?");
}

std::string entryWords(const HistoryEntry& entry) {
  std::string words = notation(entry.move);
  if (entry.depth == 0) return words;  // never analysed
  // An analysed entry without a value shows as lost.
  if (!(entry.flags & evaluatedBit) || entry.evaluation <= -120) return formatText(_("%s (lose)"), words.c_str());
  if (entry.evaluation >= 120) return formatText(_("%s (win)"), words.c_str());
  return formatText(_("%s (evaluation: %d)"), words.c_str(), (int)entry.evaluation);
}

std::string drawRuleReasonText(DrawRule rule) {
  const int moves = drawCountMoves(rule);
  switch (rule) {
    case DrawRule::Repetition: return _("Draw: the same position for the third time.");
    case DrawRule::KingsOnly:
      return formatText(ngettext("Draw: %d move of each side with kings only and no capture.",
                                 "Draw: %d moves of each side with kings only and no capture.", moves),
                        moves);
    case DrawRule::ThreeAgainstKing:
      return formatText(ngettext("Draw: %d move of each side with three pieces against a lone king.",
                                 "Draw: %d moves of each side with three pieces against a lone king.", moves),
                        moves);
    case DrawRule::TwoAgainstKing:
      return formatText(ngettext("Draw: %d move of each side with two pieces or fewer against a lone king.",
                                 "Draw: %d moves of each side with two pieces or fewer against a lone king.", moves),
                        moves);
    case DrawRule::NoRule: break;
  }
  return "";
}

std::string drawCountText(const DrawState& state) {
  const DrawRule rule = shownDrawCount(state);
  const int counted = drawCountedMoves(state, rule), moves = drawCountMoves(rule);
  // TRANSLATORS: "Kings only: 3 of 20 moves." in the status line.
  switch (rule) {
    case DrawRule::KingsOnly:
      return formatText(ngettext("Kings only: %d of %d move.", "Kings only: %d of %d moves.", moves), counted, moves);
    case DrawRule::ThreeAgainstKing:
      return formatText(ngettext("Three against a king: %d of %d move.", "Three against a king: %d of %d moves.", moves),
                        counted, moves);
    case DrawRule::TwoAgainstKing:
      return formatText(ngettext("Two against a king: %d of %d move.", "Two against a king: %d of %d moves.", moves),
                        counted, moves);
    default: return "";
  }
}
