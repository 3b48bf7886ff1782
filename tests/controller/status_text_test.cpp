#include <gtest/gtest.h>
#include "game/game.h"
#include "ui/controller/player_lines.h"
#include "ui/controller/status_text.h"

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
      {StatusFacts{true, InPlay, false, {}, false, {}, ""}, "White to move."},
      {StatusFacts{true, InPlay, true, thinking, false, {}, ""}, "Black (computer) thinks: depth 9, eval -2, 3.0 s of 30.00 s"},
      {StatusFacts{true, InPlay, false, starting, false, {}, ""}, "White (computer) thinks: 0.1 s of 0.50 s"},
      {StatusFacts{true, InPlay, false, positional, false, {}, ""},
       "White (computer) thinks: depth 14, eval -1.35, 0.4 s of 1.00 s"},
      {StatusFacts{true, Won, true, {}, false, {}, "", true}, "@b;Game over: White wins!"},
      {StatusFacts{true, Won, false, {}, false, {}, "", false}, "@b;Game over: Black wins!"},
      // A saved game can end with the winner to move: the winner is named, not the mover's opponent.
      {StatusFacts{true, Won, false, {}, false, {}, "", true}, "@b;Game over: White wins!"},
      {StatusFacts{true, Drawn, false, {}, false, {}, ""}, "@b;Game over: draw."},
      {StatusFacts{true, InPlay, true, {}, true, {}, ""}, "Black to move.  Analysing the history..."},
      {StatusFacts{true, InPlay, false, {}, false, {}, "Hint: c3-d4"}, "White to move.  Hint: c3-d4"},
  };
  for (const Case& c : cases) EXPECT_EQ(statusText(c.facts), c.text);
}

TEST(StatusLine, ARunningDrawCountFollowsTheTurnUntilTheGameEnds) {
  DrawState kings;
  kings.kingsOnly = 25;
  DrawState endgame;  // the 16-move count nearer its end than the kings-only one
  endgame.kingsOnly = 20;
  endgame.threeAgainstKing = 29;
  DrawState both = endgame;  // a capture started the 5-move count beside the 16-move one
  both.threeAgainstKing = 20;
  both.twoAgainstKing = 3;
  const struct {
    StatusFacts facts;
    const char* text;
  } cases[] = {
      {StatusFacts{true, InPlay, false, {}, false, kings, ""}, "White to move.  Kings only: 12 of 20 moves."},
      {StatusFacts{true, InPlay, true, {}, false, endgame, ""}, "Black to move.  Three against a king: 14 of 16 moves."},
      {StatusFacts{true, InPlay, true, {}, false, both, ""}, "Black to move.  Two against a king: 1 of 5 moves."},
      {StatusFacts{true, InPlay, false, {}, false, DrawState{}, ""}, "White to move."},
      {StatusFacts{true, Drawn, false, {}, false, kings, ""}, "@b;Game over: draw."},
  };
  for (const auto& c : cases) EXPECT_EQ(statusText(c.facts), c.text);
}

}  // namespace

TEST(ClockDisplay, ShowsTenthsUnderTenSecondsHoursOnlyWhenThereAreAnyAndNeverRoundsUp) {
  const struct {
    double seconds;
    const char* shown;
  } cases[] = {
      {300, "5:00"},     {297.38, "4:57"}, {59.99, "0:59"},   {10, "0:10"},   {9.99, "0:09.9"},
      {0.05, "0:00.0"},  {0, "0:00.0"},    {-3, "0:00.0"},    {3600, "1:00:00"}, {3723.9, "1:02:03"},
      {0.3, "0:00.3"},   {1e-9, "0:00.0"},
  };
  for (const auto& c : cases) EXPECT_EQ(clockDisplayText(c.seconds), c.shown) << c.seconds;
}
