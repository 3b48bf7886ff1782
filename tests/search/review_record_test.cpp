// A review written into a saved game and read back: the same marks, best moves and values,
// the file's own notes kept, and a game without a review read as none.
#include <gtest/gtest.h>
#include "pdn/pdn_reader.h"
#include "pdn/pdn_writer.h"
#include "search/review_record.h"
#include "search_support.h"

TEST(ReviewRecord, AReviewedGameOpensWithItsMarksBestMovesAndValues) {
  PdnReading reading = readPdn(
      "[SetUp \"1\"]\n[FEN \"B:W19,22,24,25,26,27,28,29,31,32:B1,2,3,4,6,8,9,10,11,12\"]\n\n"
      "1... h6-g5 {a slip} 2. f4xh6 b6-a5 3. g3-h4 (3. f2-e3) c7-b6 *\n");
  ASSERT_TRUE(reading.ok()) << reading.fault.describe();
  PdnGame game = reading.games[0];
  EXPECT_TRUE(readReview(game).positions.empty()) << "no review in the file";
  const GameReview review = reviewGame(testEngine(), {game.start, game.moves, {8, 0}});
  ASSERT_TRUE(review.complete);
  writeReview(game, review);
  writeReview(game, review);  // a second review replaces the first
  const std::string text = pdnText(game);
  EXPECT_NE(text.find("{a slip}"), std::string::npos) << text;
  EXPECT_NE(text.find("(3. f2-e3)"), std::string::npos) << text;

  PdnReading again = readPdn(text);
  ASSERT_TRUE(again.ok()) << again.fault.describe() << "\n" << text;
  const GameReview back = readReview(again.games[0]);
  ASSERT_TRUE(back.complete);
  ASSERT_EQ(back.positions.size(), review.positions.size());
  for (size_t i = 0; i + 1 < review.positions.size(); ++i) {
    EXPECT_EQ(back.positions[i].mark, review.positions[i].mark) << "move " << i;
    EXPECT_EQ(back.positions[i].best, review.positions[i].best) << "move " << i;
    EXPECT_EQ(back.positions[i].playedValue, review.positions[i].playedValue) << "move " << i;
    EXPECT_EQ(back.positions[i + 1].value, -review.positions[i].playedValue) << "position " << i + 1;
  }
  for (int mark = 0; mark < MoveMarkCount; ++mark) {
    EXPECT_EQ(back.white.marks[mark], review.white.marks[mark]);
    EXPECT_EQ(back.black.marks[mark], review.black.marks[mark]);
  }
  EXPECT_EQ(back.black.moves, 3);
  EXPECT_EQ(back.white.moves, 2);
  EXPECT_EQ(pdnText(again.games[0]), text) << "opening and saving again changes nothing";
}

TEST(ReviewRecord, ExactResultsSurviveTheFile) {
  holdThreePieceDatabase();
  PdnGame game;
  game.start = fromFen("W:WK29,30:B24").position;
  const GameReview probe = reviewGame(testEngine(), {game.start, {}, {0, 0.1}});
  ASSERT_TRUE(probe.positions.at(0).hasBest);
  game.moves = {probe.positions[0].best};
  const GameReview review = reviewGame(testEngine(), {game.start, game.moves, {0, 0.1}});
  ASSERT_GT(review.positions[0].playedExact, 0);
  writeReview(game, review);
  const std::string text = pdnText(game);
  EXPECT_NE(text.find("{+#"), std::string::npos) << text;
  PdnReading again = readPdn(text);
  ASSERT_TRUE(again.ok()) << again.fault.describe();
  const GameReview back = readReview(again.games[0]);
  ASSERT_EQ(back.positions.size(), 2u);
  EXPECT_EQ(back.positions[0].playedExact, review.positions[0].playedExact);
  EXPECT_TRUE(isProvenScore(back.positions[0].playedValue));
  EXPECT_EQ(back.positions[1].exactMoves, -review.positions[0].playedExact);
}
