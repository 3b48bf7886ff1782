#include <gtest/gtest.h>
#include "ui/controller/evaluation_graph.h"

namespace {

TEST(EvaluationGraph, AClickSelectsTheNearestPositionAndClicksOutsideTheStripTheEnds) {
  struct Case {
    int x, count, width, ply;
  } cases[] = {
      {0, 61, 601, 0},     {600, 61, 601, 60},  {-40, 61, 601, 0},  {9000, 61, 601, 60},
      {4, 61, 601, 0},     {5, 61, 601, 1},     {15, 61, 601, 2},   {595, 61, 601, 60},
      {0, 1, 300, 0},      {299, 1, 300, 0},    {10, 0, 300, -1},   {150, 2, 300, 1},
      {149, 2, 300, 0},    {0, 5, 1, 0},        {0, 5, 0, 0},
      {299, 400, 300, 399},  // more positions than pixels: the last pixel is the last position
  };
  for (const Case& c : cases) EXPECT_EQ(graphPlyAt(c.x, c.count, c.width), c.ply) << c.x << " " << c.count << " " << c.width;
  // Each point's own x selects it again, while there are no more points than pixels.
  for (int count : {2, 7, 61, 319, 320})
    for (int ply = 0; ply < count; ++ply) ASSERT_EQ(graphPlyAt(graphPointX(ply, count, 320), count, 320), ply) << count;
}

TEST(EvaluationGraph, ValuesAreClippedWhiteIsUpAndDatabaseResultsSitAtTheClipMarked) {
  GameReview review;
  review.positions.resize(5);
  review.positions[0].value = 45;         // White to move, +0.45 for White
  review.positions[1].value = 45;         // Black to move, good for Black
  review.positions[2].value = 900;        // White far ahead: clipped
  review.positions[3].exactMoves = 7;     // Black to move wins in 7
  review.positions[4].exactMoves = -3;    // White to move loses in 3
  const std::vector<GraphPoint> points = graphPoints(review, InitialPosition);
  ASSERT_EQ(points.size(), 5u);
  const int values[] = {45, -45, 300, -300, -300};
  const bool exact[] = {false, false, false, true, true};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(points[i].value, values[i]) << i;
    EXPECT_EQ(points[i].exact, exact[i]) << i;
  }
  EXPECT_EQ(graphPoints(review, Position(InitialPosition.white, InitialPosition.black, 0, false))[0].value, -45)
      << "a game that starts with Black to move";
  EXPECT_EQ(graphValueY(300, 41), 0);
  EXPECT_EQ(graphValueY(-300, 41), 40);
  EXPECT_EQ(graphValueY(0, 41), 20);
  EXPECT_EQ(graphValueY(5000, 41), 0);
}

}  // namespace
