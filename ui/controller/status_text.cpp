#include "ui/controller/status_text.h"
#include <cstdio>
#include "game/game.h"
#include "game/message_text.h"
#include "i18n/translate.h"

std::string statusText(const StatusFacts& facts) {
  char text[160];
  const char* side = facts.blackToMove ? "Black" : "White";
  if (!facts.hasGame) {
    std::snprintf(text, sizeof text, "No game: Game > New starts one.");
  } else if (facts.result == Won) {
    std::snprintf(text, sizeof text, "@b;Game over: %s wins!", facts.whiteWon ? "White" : "Black");
  } else if (facts.result == Drawn) {
    std::snprintf(text, sizeof text, "@b;Game over: draw.");
  } else if (facts.result == Canceled) {
    std::snprintf(text, sizeof text, "@b;Game was canceled.");
  } else if (facts.clockHeld) {
    std::snprintf(text, sizeof text, "%s", _("@b;Clock paused:@n; Ctrl+P or a click on the board resumes."));
  } else if (facts.thinking.thinking) {
    const ThinkingState& t = facts.thinking;
    if (t.depth > 0)
      std::snprintf(text, sizeof text, "%s (computer) thinks: depth %d, eval %s, %.1f s of %.2f s", side, t.depth,
                    evaluationText(t.eval, t.evaluation).c_str(), t.elapsed, t.allowed);
    else
      std::snprintf(text, sizeof text, "%s (computer) thinks: %.1f s of %.2f s", side, t.elapsed, t.allowed);
  } else {
    std::snprintf(text, sizeof text, "%s to move.", side);
  }
  std::string line = text;
  if (facts.hasGame && facts.result == InPlay) {
    const std::string count = drawCountText(facts.draws);
    if (!count.empty()) line += "  " + count;
  }
  if (!facts.hint.empty()) line += "  " + facts.hint;
  if (facts.analysing) line += "  Analysing the history...";
  return line;
}
