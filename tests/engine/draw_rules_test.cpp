#include <gtest/gtest.h>
#include "engine/draw_rules.h"
#include "tests/engine/squares.h"

namespace {

// A king's move without a capture: White's king steps between A1 and B2, Black's between H8
// and G7; the men stay.
Position kingStep(const Position& p) {
  const SquareSet squaresOfTheStep = p.whiteToMove ? squares("A1 B2") : squares("H8 G7");
  Position next = p;
  next.whiteToMove = !p.whiteToMove;
  (p.whiteToMove ? next.white : next.black) ^= squaresOfTheStep;
  next.kings ^= squaresOfTheStep;
  return next;
}

DrawState afterKingSteps(DrawState state, Position& p, int plies) {
  for (int i = 0; i < plies; ++i) {
    const Position next = kingStep(p);
    state = drawStateAfter(state, p, next);
    p = next;
  }
  return state;
}

TEST(DrawRules, TheEndgameCountFollowsTheMaterialAgainstALoneKing) {
  const struct {
    const char* white;
    const char* black;
    const char* kings;
    DrawRule rule;
  } cases[] = {
      {"A1 C1 E1", "H8", "A1 H8", DrawRule::ThreeAgainstKing},       // a king and two men
      {"A1 C1 E1", "H8", "A1 C1 E1 H8", DrawRule::ThreeAgainstKing},  // three kings
      {"A1 C1", "H8", "A1 H8", DrawRule::TwoAgainstKing},
      {"A1", "H8", "A1 H8", DrawRule::TwoAgainstKing},                // king against king
      {"A1 C1 E1 G1", "H8", "A1 H8", DrawRule::NoRule},               // four pieces
      {"A3 C3 E3", "H8", "H8", DrawRule::NoRule},                     // men alone
      {"A1 C1", "H8", "A1", DrawRule::NoRule},                        // the lone piece is a man
      {"A1", "F8 H8", "A1 F8", DrawRule::TwoAgainstKing},             // Black the stronger side
      {"A1", "D8 F8 H8", "A1 H8", DrawRule::ThreeAgainstKing},        // Black the stronger side
      {"A1 C1", "F8 H8", "A1 C1 F8 H8", DrawRule::NoRule},            // no lone king
  };
  for (const auto& c : cases) {
    const Position p(squares(c.white), squares(c.black), squares(c.kings));
    EXPECT_EQ(endgameCountOf(p), c.rule) << c.white << " / " << c.black << " kings " << c.kings;
  }
}

TEST(DrawRules, KingsOnlyCountEndsAtTwentyMovesOfEachSideAndNotOnePlyEarlier) {
  Position p(squares("A1 C1 A3"), squares("H8 F8 H6"), squares("A1 H8"));  // men on both sides: no endgame count
  DrawState state = afterKingSteps(drawStateAt(p), p, 39);
  EXPECT_EQ(drawRuleReached(state), DrawRule::NoRule);
  EXPECT_EQ(drawPliesLeft(state), 1);
  state = afterKingSteps(state, p, 1);
  EXPECT_EQ(drawRuleReached(state), DrawRule::KingsOnly);
}

TEST(DrawRules, AManMoveOrACaptureRestartsTheKingsOnlyCount) {
  const Position before(squares("A1 C1 A3"), squares("H8 F8 H6"), squares("A1 H8"));
  DrawState running;
  running.kingsOnly = 39;
  const Position manMoved(squares("A1 C1 B4"), before.black, before.kings, false);
  const Position captured(before.white, squares("H8 F8"), before.kings, false);
  const Position crowned(squares("A1 C1 B4"), before.black, squares("A1 B4 H8"), false);
  for (const Position& after : {manMoved, captured, crowned}) {
    const DrawState next = drawStateAfter(running, before, after);
    EXPECT_EQ(next.kingsOnly, 0);
    EXPECT_EQ(drawRuleReached(next), DrawRule::NoRule);
  }
}

TEST(DrawRules, ThreeAgainstAKingRunsSixteenMovesFromTheMoveThatMadeIt) {
  // White captures its way from four pieces to three against the lone king: the count starts.
  const Position four(squares("A1 C1 E1 G1"), squares("H8 C3"), squares("A1 H8"), true);
  Position p(squares("A1 C1 E1"), squares("H8"), squares("A1 H8"), false);
  DrawState state = drawStateAfter(drawStateAt(four), four, p);
  EXPECT_EQ(state.threeAgainstKing, 0);
  state = afterKingSteps(state, p, 31);
  EXPECT_EQ(drawRuleReached(state), DrawRule::NoRule);
  state = afterKingSteps(state, p, 1);
  EXPECT_EQ(drawRuleReached(state), DrawRule::ThreeAgainstKing);
}

TEST(DrawRules, ACaptureInsideTheSixteenMoveCountStartsTheFiveMoveCountAndTheFirstToRunOutEnds) {
  const Position three(squares("A1 C1 E1"), squares("H8"), squares("A1 H8"), false);
  const Position two(squares("A1 E1"), squares("H8"), squares("A1 H8"), true);  // the lone king took C1
  // Early in the long count: the short one ends the game after five moves of each side.
  DrawState early = drawStateAt(three);
  early.threeAgainstKing = 4;
  Position p = two;
  DrawState state = drawStateAfter(early, three, two);
  EXPECT_EQ(state.twoAgainstKing, 0);
  EXPECT_EQ(state.threeAgainstKing, 5);
  state = afterKingSteps(state, p, 9);
  EXPECT_EQ(drawRuleReached(state), DrawRule::NoRule);
  EXPECT_EQ(drawRuleReached(afterKingSteps(state, p, 1)), DrawRule::TwoAgainstKing);
  // Late in the long count: it runs out first.
  DrawState late = drawStateAt(three);
  late.threeAgainstKing = 29;
  p = two;
  state = drawStateAfter(late, three, two);
  state = afterKingSteps(state, p, 1);
  EXPECT_EQ(drawRuleReached(state), DrawRule::NoRule);
  EXPECT_EQ(drawRuleReached(afterKingSteps(state, p, 1)), DrawRule::ThreeAgainstKing);
}

TEST(DrawRules, CountsStartAtTheFirstPositionAndNeverEndWhenSwitchedOff) {
  Position p(squares("A1 C1"), squares("H8"), squares("A1 H8"));
  DrawState state = drawStateAt(p);
  EXPECT_EQ(state.twoAgainstKing, 0);
  EXPECT_EQ(state.kingsOnly, 0);
  state.off = true;
  EXPECT_EQ(drawRuleReached(afterKingSteps(state, p, 60)), DrawRule::NoRule);
}

TEST(DrawRules, TheCountsTableHoldsTheRulesMoves) {
  EXPECT_EQ(drawCountMoves(DrawRule::KingsOnly), 20);
  EXPECT_EQ(drawCountMoves(DrawRule::ThreeAgainstKing), 16);
  EXPECT_EQ(drawCountMoves(DrawRule::TwoAgainstKing), 5);
}

}  // namespace
