#include <gtest/gtest.h>
#include "tests/game/fakes.h"
#include "player/move_selection.h"

namespace {

int square(int pdn) { return squareFromPdn(pdn); }

int framedCount(const MoveSelection::Frames& frames) {
  int n = 0;
  for (int f : frames) n += f;
  return n;
}

TEST(MoveSelection, MovablePiecesFirstThenTheDestinationsOfTheChosenOne) {
  const MoveList moves(InitialPosition);
  MoveSelection selection;
  selection.reset(moves);
  const Move* chosen = nullptr;
  EXPECT_EQ(framedCount(selection.frames()), 4);
  EXPECT_FALSE(selection.click(square(26), 0, &chosen)) << "D2 cannot move";
  EXPECT_FALSE(selection.click(square(17), 0, &chosen)) << "an empty square";
  EXPECT_FALSE(selection.click(-1, 0, &chosen)) << "a light square";
  EXPECT_TRUE(selection.click(square(22), 0, &chosen));
  EXPECT_EQ(chosen, nullptr) << "selecting a piece chooses no move yet";
  const MoveSelection::Frames frames = selection.frames();
  EXPECT_EQ(frames[square(17)], 1);
  EXPECT_EQ(frames[square(18)], 1);
  EXPECT_EQ(framedCount(frames), 2);
  // Another movable piece takes the selection over; a piece that cannot move does not.
  EXPECT_TRUE(selection.click(square(21), 0, &chosen)) << "A3 is selected in place of C3";
  EXPECT_EQ(chosen, nullptr);
  EXPECT_EQ(selection.frames()[square(17)], 1) << "A3-B4";
  EXPECT_EQ(framedCount(selection.frames()), 1);
  EXPECT_FALSE(selection.click(square(26), 0, &chosen)) << "D2 cannot move";
  EXPECT_EQ(framedCount(selection.frames()), 1);
  selection.drop();
  EXPECT_EQ(framedCount(selection.frames()), 4) << "the right button frames the pieces again";
  ASSERT_TRUE(selection.click(square(22), 0, &chosen));
  ASSERT_TRUE(selection.click(square(18), 0, &chosen));
  ASSERT_NE(chosen, nullptr);
  char text[6] = {};
  chosen->writeNotation(text);
  EXPECT_STREQ(text, "C3-D4");
}

TEST(MoveSelection, TwoCapturesToOneSquareAreToldApartInListOrder) {
  const FenSetup setup = setupFromFen("W:WK30:B26,18,15,7");  // king C1, both ways end on F8
  const MoveList moves(setup.position);
  MoveSelection selection;
  for (int alternative : {0, 1}) {
    selection.reset(moves);
    const Move* chosen = nullptr;
    ASSERT_TRUE(selection.click(square(30), 0, &chosen));
    EXPECT_EQ(selection.frames()[square(3)], 2);
    EXPECT_EQ(selection.candidate(square(3), 2), nullptr) << "only two alternatives";
    ASSERT_TRUE(selection.click(square(3), alternative, &chosen));
    int index = 0;
    while (&moves[index] != chosen) ++index;
    int earlier = 0;  // moves of the list before it that also go from C1 to F8
    for (int i = 0; i < index; ++i) earlier += moves[i].from == chosen->from && moves[i].to == chosen->to;
    EXPECT_EQ(earlier, alternative);
  }
}

}  // namespace
