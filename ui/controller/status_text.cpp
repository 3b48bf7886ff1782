#include "ui/controller/status_text.h"
#include "game/game.h"
#include "game/message_text.h"
#include "i18n/translate.h"

std::string statusText(const StatusFacts& facts) {
  const bool black = facts.blackToMove;
  std::string line;
  if (!facts.hasGame) {
    line = _("No game: Game > New starts one.");
  } else if (facts.result == Won) {
    line = facts.whiteWon ? _("@b;Game over: White wins!") : _("@b;Game over: Black wins!");
  } else if (facts.result == Drawn) {
    line = _("@b;Game over: draw.");
  } else if (facts.result == Canceled) {
    line = _("@b;Game was canceled.");
  } else if (facts.clockHeld) {
    line = _("@b;Clock paused:@n; Ctrl+P or a click on the board resumes.");
  } else if (facts.thinking.thinking) {
    const ThinkingState& t = facts.thinking;
    if (t.depth > 0)
      line = formatText(black ? _("Black (computer) thinks: depth %d, eval %s, %.1f s of %.2f s")
                              : _("White (computer) thinks: depth %d, eval %s, %.1f s of %.2f s"),
                        t.depth, evaluationText(t.eval, t.evaluation).c_str(), t.elapsed, t.allowed);
    else
      line = formatText(black ? _("Black (computer) thinks: %.1f s of %.2f s")
                              : _("White (computer) thinks: %.1f s of %.2f s"),
                        t.elapsed, t.allowed);
  } else {
    line = black ? _("Black to move.") : _("White to move.");
  }
  if (facts.hasGame && facts.result == InPlay) {
    const std::string count = drawCountText(facts.draws);
    if (!count.empty()) line += "  " + count;
  }
  if (!facts.hint.empty()) line += "  " + facts.hint;
  if (facts.analysing) line += std::string("  ") + _("Analysing the history...");
  return line;
}

std::string analysisBoardStatus(bool blackToMove, const std::string& speed) {
  std::string line = blackToMove ? _("Analysis board: Black to move.") : _("Analysis board: White to move.");
  if (!speed.empty()) line += "  " + speed;
  return line;
}
