#include <gtest/gtest.h>
#include "game/game.h"
#include "ui/status_text.h"

namespace {

TEST(StatusLine, SaysWhoseTurnItIsHowFarTheSearchGotAndTheResult) {
  struct Case {
    StatusFacts facts;
    const char* text;
  };
  ThinkingState thinking{true, 9, -2 * ScoreMan, 3.04, 30};  // the material count shows whole men
  ThinkingState starting{true, 0, 0, 0.12, 0.5};
  ThinkingState positional{true, 14, -135, 0.4, 1, Evaluation::Positional};
  const Case cases[] = {
      {StatusFacts{}, "No game: Game > New starts one."},
      {StatusFacts{true, InPlay, false, {}, false}, "White to move."},
      {StatusFacts{true, InPlay, true, thinking, false}, "Black (computer) thinks: depth 9, eval -2, 3.0 s of 30.00 s"},
      {StatusFacts{true, InPlay, false, starting, false}, "White (computer) thinks: 0.1 s of 0.50 s"},
      {StatusFacts{true, InPlay, false, positional, false},
       "White (computer) thinks: depth 14, eval -1.35, 0.4 s of 1.00 s"},
      {StatusFacts{true, Won, true, {}, false}, "@b;Game over: White wins!"},
      {StatusFacts{true, Won, false, {}, false}, "@b;Game over: Black wins!"},
      {StatusFacts{true, Drawn, false, {}, false}, "@b;Game over: draw."},
      {StatusFacts{true, InPlay, true, {}, true}, "Black to move.  Analysing the history..."},
  };
  for (const Case& c : cases) EXPECT_EQ(statusText(c.facts), c.text);
}

}  // namespace
