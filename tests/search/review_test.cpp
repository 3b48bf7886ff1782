// The game review: the marks by what a move lost, and reviews of constructed games whose
// right answers the database knows.
#include <gtest/gtest.h>
#include <chrono>
#include <thread>
#include "pdn/pdn_notation.h"
#include "search/draw_rule_line.h"
#include "search/review.h"
#include "search_support.h"

namespace {

Move moveFrom(const Position& before, const std::string& text) {
  Move move;
  std::string error;
  EXPECT_TRUE(readMoveText(text, before, move, error)) << text << ": " << error;
  return move;
}

uint8_t statusAfter(const Position& before, const Move& move) {
  const Position& p = move.after;
  return statusWithinCounts(endgameDatabase, p, drawStateAfter(drawStateAt(before), before, p),
                            endgameDatabase.statusOf(p.white, p.black, p.kings, p.whiteToMove));
}

}  // namespace

TEST(ReviewMarks, ALossIsMarkedByItsThresholdAndResultsOutweighIt) {
  struct Case {
    int loss;
    Outcome best, played;
    bool forced, playedIsBest;
    MoveMark mark;
  };
  const Case cases[] = {
      {0, Outcome::Unknown, Outcome::Unknown, false, false, MoveMark::None},
      {InaccuracyLoss - 1, Outcome::Unknown, Outcome::Unknown, false, false, MoveMark::None},
      {InaccuracyLoss, Outcome::Unknown, Outcome::Unknown, false, false, MoveMark::Inaccuracy},
      {MistakeLoss - 1, Outcome::Unknown, Outcome::Unknown, false, false, MoveMark::Inaccuracy},
      {MistakeLoss, Outcome::Unknown, Outcome::Unknown, false, false, MoveMark::Mistake},
      {BlunderLoss - 1, Outcome::Unknown, Outcome::Unknown, false, false, MoveMark::Mistake},
      {BlunderLoss, Outcome::Unknown, Outcome::Unknown, false, false, MoveMark::Blunder},
      // A won ending thrown away, or a drawn one lost, whatever the values say.
      {0, Outcome::Win, Outcome::Draw, false, false, MoveMark::Blunder},
      {5, Outcome::Win, Outcome::Loss, false, false, MoveMark::Blunder},
      {0, Outcome::Draw, Outcome::Loss, false, false, MoveMark::Blunder},
      {0, Outcome::Win, Outcome::Win, false, false, MoveMark::None},  // a slower win is no mistake
      {0, Outcome::Draw, Outcome::Draw, false, false, MoveMark::None},
      {0, Outcome::Unknown, Outcome::Draw, false, false, MoveMark::None},
      // The best move and a forced one are never marked.
      {BlunderLoss * 3, Outcome::Win, Outcome::Loss, true, false, MoveMark::None},
      {BlunderLoss * 3, Outcome::Win, Outcome::Loss, false, true, MoveMark::None},
  };
  for (const Case& c : cases)
    EXPECT_EQ(classifyMove(c.loss, c.best, c.played, c.forced, c.playedIsBest), c.mark)
        << "loss " << c.loss << " best " << (int)c.best << " played " << (int)c.played << " forced " << c.forced;
  EXPECT_EQ(reviewValue(ScoreProven + 50), ReviewValueCap);
  EXPECT_EQ(reviewValue(-ScoreProven), -ReviewValueCap);
  EXPECT_EQ(reviewValue(123), 123);
}

// Two kings against a man: one move keeps the database's win, the others let it draw.
TEST(GameReview, AMoveThatDropsADatabaseWinToADrawIsABlunderAndTheWinningMoveIsNotMarked) {
  holdThreePieceDatabase();
  const Position start = fromFen("W:WK29,30:B24").position;
  const MoveList moves(start);
  const Move* winning = nullptr;
  const Move* drawing = nullptr;
  for (const Move& move : moves) {
    const uint8_t status = statusAfter(start, move);
    if (status == StatusLoss && !winning) winning = &move;
    if (status == StatusDraw && !drawing) drawing = &move;
  }
  ASSERT_TRUE(winning && drawing);
  for (const Move* played : {winning, drawing}) {
    const GameReview review = reviewGame(testEngine(), {start, {*played}, {0, 0.2}});
    ASSERT_TRUE(review.complete);
    ASSERT_EQ(review.positions.size(), 2u);
    const ReviewedPosition& first = review.positions[0];
    EXPECT_EQ(first.best, *winning) << "the database's winning move is the best";
    EXPECT_GT(first.exactMoves, 0);
    EXPECT_EQ(first.mark, played == winning ? MoveMark::None : MoveMark::Blunder) << moveText(start, *played);
    EXPECT_EQ(review.white.moves, 1);
    EXPECT_EQ(review.white.marks[(int)MoveMark::Blunder], played == drawing ? 1 : 0);
    EXPECT_EQ(review.black.moves, 0);
  }
}

// Black gives a man away, White's capture is forced, and the rest is play.
TEST(GameReview, ForcedMovesAndBestMovesAreNeverMarkedAndAGiftIsMarked) {
  const Position start = fromFen("B:W19,22,24,25,26,27,28,29,31,32:B1,2,3,4,6,8,9,10,11,12").position;
  Position position = start;
  std::vector<Move> played;
  for (const char* text : {"h6-g5", "f4xh6", "b6-a5", "g3-h4", "c7-b6"}) {
    played.push_back(moveFrom(position, text));
    position = played.back().after;
  }
  ASSERT_EQ(MoveList(played[0].after).size(), 1) << "the capture is forced";
  const GameReview review = reviewGame(testEngine(), {start, played, {8, 0}});
  ASSERT_TRUE(review.complete);
  ASSERT_EQ(review.positions.size(), played.size() + 1);
  position = start;
  int whiteLoss = 0, blackLoss = 0;
  for (size_t i = 0; i < played.size(); ++i) {
    const ReviewedPosition& p = review.positions[i];
    ASSERT_TRUE(p.hasBest);
    if (MoveList(position).size() == 1) {
      EXPECT_EQ(p.mark, MoveMark::None) << "forced move " << i;
      EXPECT_EQ(p.loss, 0);
    }
    if (p.best == played[i]) {
      EXPECT_EQ(p.mark, MoveMark::None) << "best move " << i;
      EXPECT_EQ(p.loss, 0);
    }
    EXPECT_EQ(p.loss, std::max(0, p.value - p.playedValue)) << "the loss is against the best at the same depth";
    EXPECT_GE(p.loss, 0);
    (position.whiteToMove ? whiteLoss : blackLoss) += p.loss;
    position = played[i].after;
  }
  EXPECT_GE(review.positions[0].mark, MoveMark::Mistake) << "h6-g5 gives a man";
  EXPECT_EQ(review.black.moves, 3);
  EXPECT_EQ(review.white.moves, 2);
  EXPECT_EQ(review.white.totalLoss, whiteLoss);
  EXPECT_EQ(review.black.totalLoss, blackLoss);
  EXPECT_TRUE(review.positions.back().hasBest) << "the last position is searched too";
}

TEST(GameReview, AStopEndsTheReviewIncompleteAndProgressCountsEveryPosition) {
  std::vector<std::pair<int, int>> steps;
  Position position = InitialPosition;
  std::vector<Move> played;
  for (const char* text : {"c3-d4", "f6-g5", "g3-f4"}) {
    played.push_back(moveFrom(position, text));
    position = played.back().after;
  }
  const GameReview review =
      reviewGame(testEngine(), {InitialPosition, played, {3, 0}}, [&](int done, int total) { steps.push_back({done, total}); });
  EXPECT_TRUE(review.complete);
  EXPECT_EQ(steps, (std::vector<std::pair<int, int>>{{1, 4}, {2, 4}, {3, 4}, {4, 4}}));

  // A stop from another thread ends the review within its position, not after its 30 seconds.
  std::thread stopper([] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    testEngine().requestStop();
  });
  const auto began = std::chrono::steady_clock::now();
  int calls = 0;
  const GameReview stopped = reviewGame(testEngine(), {InitialPosition, played, {0, 30}}, [&](int, int) { ++calls; });
  stopper.join();
  EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count(), 2.0);
  EXPECT_FALSE(stopped.complete);
  EXPECT_EQ(calls, 0);
  EXPECT_TRUE(stopped.positions.empty());
  testEngine().clearStop();
}
