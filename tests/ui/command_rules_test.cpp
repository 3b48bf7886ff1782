#include <gtest/gtest.h>
#include <string>
#include "ui/command_rules.h"

namespace {

// The states as one word per command, in menu order, "-" for greyed:
// New Open Save Copy Paste SetUp Cancel Quit | OfferDraw MoveNow TakeBack Replay Hint Resign | analysis
std::string shown(const CommandStates& s) {
  const std::pair<const char*, bool> items[] = {
      {"new", s.newGame},  {"open", s.open},        {"save", s.save},        {"copy", s.copy},
      {"paste", s.paste},  {"setup", s.setUp},      {"cancel", s.cancel},    {"quit", s.quit},
      {"draw", s.offerDraw}, {"now", s.moveNow},    {"back", s.takeBack},    {"replay", s.replay},
      {"hint", s.hint},    {"resign", s.resign},    {"analysis", s.analysis},
  };
  std::string text;
  for (const auto& item : items) text += std::string(text.empty() ? "" : " ") + (item.second ? item.first : "-");
  return text;
}

CommandFacts game() {
  CommandFacts f;
  f.hasGame = f.inPlay = true;
  return f;
}

TEST(CommandRules, ACommandThatCannotActIsGreyed) {
  struct Case {
    const char* state;
    CommandFacts facts;
    const char* states;
  };
  CommandFacts humanToMove = game();
  humanToMove.humanToMove = true;
  CommandFacts movesBoth = humanToMove;
  movesBoth.movesToTakeBack = movesBoth.movesToReplay = true;
  CommandFacts hinting = humanToMove;
  hinting.workerBusy = true;
  CommandFacts thinking = game();
  thinking.computerThinks = thinking.workerBusy = thinking.movesToTakeBack = true;
  CommandFacts computersPause = game();  // two computers, a move on display
  CommandFacts over = game();
  over.inPlay = false;
  over.movesToTakeBack = true;
  CommandFacts overFromSetUp = over;  // ended at once: nothing to take back
  overFromSetUp.movesToTakeBack = false;
  CommandFacts noGameRow;
  noGameRow.historyRowFocused = true;
  CommandFacts analysing = noGameRow;
  analysing.workerBusy = true;
  const Case cases[] = {
      {"no game", CommandFacts{}, "new open - - paste setup - quit - - - - - - analysis"},
      {"person to move, first move", humanToMove,
       "new open save copy paste setup cancel quit draw - - - hint resign analysis"},
      {"person to move, moves either way", movesBoth,
       "new open save copy paste setup cancel quit draw - back replay hint resign analysis"},
      {"person to move, hint searching", hinting,
       "new open save copy paste setup cancel quit draw - - - - resign -"},
      {"computer thinking", thinking, "new open save copy paste setup cancel quit - now back - - - -"},
      {"computers' move on display", computersPause, "new open save copy paste setup cancel quit - - - - - - analysis"},
      {"game over", over, "new open save copy paste setup cancel quit - - back - - - analysis"},
      {"game over with nothing to take back", overFromSetUp,
       "new open save copy paste setup cancel quit - - - - - - analysis"},
      {"no game, a history row chosen", noGameRow, "new open - copy paste setup - quit - - - - - - analysis"},
      {"analysis running", analysing, "new open - copy paste setup - quit - - - - - - -"},
  };
  for (const Case& c : cases) EXPECT_EQ(shown(commandStates(c.facts)), c.states) << c.state;
}

// A finished game keeps what it holds: it can be saved and copied, and move commands stay greyed.
TEST(CommandRules, AFinishedGameCanBeSavedButTakesNoMoveCommand) {
  CommandFacts over = game();
  over.inPlay = false;
  over.humanToMove = true;  // stale: the game's end wins over it
  over.computerThinks = true;
  const CommandStates s = commandStates(over);
  EXPECT_TRUE(s.save);
  EXPECT_TRUE(s.copy);
  EXPECT_FALSE(s.offerDraw || s.resign || s.hint || s.moveNow);
}

}  // namespace
