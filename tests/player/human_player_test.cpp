// A person's moves as chosen on a board: the board is a stand-in that records what it shows
// and passes the points the test names, as the window's board would.
#include <gtest/gtest.h>
#include "engine/fen.h"
#include "engine/square_names.h"
#include "game/game.h"
#include "player/human_player.h"
#include "game/player_factory.h"

namespace {

class FakeSeat : public PersonSeat {
public:
  Position position;
  SquareSet crossed = 0;
  std::array<int, 32> frames = {};
  BoardInput* input = nullptr;

  void showPosition(const Position& shown, SquareSet crossedSquares) override {
    position = shown;
    crossed = crossedSquares;
  }
  void showFrames(const std::array<int, 32>& shown) override { frames = shown; }
  void clearFrames() override { frames = {}; }
  void listen(BoardInput* listener) override { input = listener; }
};

// Two people at one board.
class HumanGame : public ::testing::Test {
protected:
  FakeSeat seat;
  HumanPlayer* white = new HumanPlayer(&seat);
  HumanPlayer* black = new HumanPlayer(&seat);
  Game* game = new Game(white, black);

  void SetUp() override { game->startGame(); }
  void TearDown() override { delete game; }

  BoardPoint pointOn(int bit, int alternative = 0) const {
    BoardPoint point;
    point.square = bit;
    point.framed = bit >= 0 && seat.frames[bit] > 0;
    point.alternative = alternative;
    return point;
  }
  // A left click on a square (PDN number), reported again after it as the board does.
  void click(int pdn) { clickOn(squareFromPdn(pdn)); }
  void clickOn(int bit, int alternative = 0) {
    ASSERT_NE(seat.input, nullptr);
    seat.input->choose(pointOn(bit, alternative));
    seat.input->pointAt(pointOn(bit, alternative));
  }
  void point(int pdn) { seat.input->pointAt(pointOn(squareFromPdn(pdn))); }
  int framed(int pdn) const { return seat.frames[squareFromPdn(pdn)]; }
};

TEST_F(HumanGame, ASelectedPieceFramesOnlyItsDestinations) {
  EXPECT_TRUE(white->active);
  EXPECT_EQ(seat.input, white);
  EXPECT_EQ(framed(22), 1);  // C3 can move
  click(22);
  EXPECT_EQ(framed(22), 0);
  EXPECT_EQ(framed(17), 1);  // B4
  EXPECT_EQ(framed(18), 1);  // D4
  EXPECT_EQ(game->record.count(), 0);
}

TEST_F(HumanGame, UnframedSquaresAndPointsOffTheSquaresDoNothing) {
  click(26);      // D2 cannot move
  clickOn(-1);    // a light square
  clickOn(-2);    // outside the 8x8 area
  EXPECT_EQ(framed(22), 1);
  EXPECT_EQ(framed(17), 0);
  EXPECT_EQ(game->record.count(), 0);
}

TEST_F(HumanGame, PointingAtADestinationPreviewsTheMoveAndLeavingRestoresThePosition) {
  click(22);
  point(18);
  EXPECT_TRUE(seat.position.white & (1u << squareFromPdn(18)));
  EXPECT_FALSE(seat.position.white & (1u << squareFromPdn(22)));
  point(1);
  EXPECT_EQ(seat.position, InitialPosition);
  EXPECT_EQ(framed(18), 1);  // the frames stay while previewing
  point(18);
  seat.input->pointAt(pointOn(-2));  // the pointer left the board
  EXPECT_EQ(seat.position, InitialPosition);
}

TEST_F(HumanGame, ClickingAnotherMovablePieceSelectsIt) {
  click(22);  // C3
  point(18);  // previewing C3-D4
  click(23);  // E3 takes the selection over
  EXPECT_EQ(seat.position, InitialPosition) << "the preview of C3-D4 is gone";
  EXPECT_EQ(framed(18), 1);  // D4
  EXPECT_EQ(framed(19), 1);  // F4
  EXPECT_EQ(framed(17), 0);  // B4 belonged to C3
  click(26);                 // D2 cannot move: the selection stays
  click(19);
  ASSERT_EQ(game->record.count(), 1);
  EXPECT_EQ(game->record.last()->move.from, 1u << squareFromPdn(23));
}

TEST_F(HumanGame, StartingOverDropsTheSelection) {
  click(22);
  seat.input->startOver();
  EXPECT_EQ(framed(22), 1);
  EXPECT_EQ(framed(21), 1);
  EXPECT_EQ(framed(18), 0);
}

TEST_F(HumanGame, ClickingAFramedDestinationPlaysTheMoveAndHandsTheTurnOver) {
  click(22);
  click(18);
  ASSERT_EQ(game->record.count(), 1);
  EXPECT_FALSE(white->active);
  EXPECT_TRUE(black->active);
  EXPECT_EQ(seat.input, black);
  EXPECT_FALSE(game->whiteToMove());
  // Black's movable men are framed: B6, D6, F6, H6.
  for (int pdn : {9, 10, 11, 12}) EXPECT_EQ(framed(pdn), 1) << "square " << pdn;
  EXPECT_EQ(framed(22), 0);
  // White's turn is over: its input changes nothing.
  white->choose(pointOn(squareFromPdn(21)));
  white->startOver();
  EXPECT_EQ(framed(21), 0);
  EXPECT_EQ(game->record.count(), 1);
}

// Fourteen plies (square bit numbers) after which White's king on H4 can take two ways to A7:
// over C5 first in the move list, over B6 second. Forced moves play themselves.
const int KingWithTwoRoutes[][2] = {{8, 12},  {21, 17}, {12, 21}, {25, 18}, {4, 8},   {29, 25}, {0, 4},
                                    {26, 21}, {10, 13}, {20, 17}, {13, 29}, {24, 20}, {29, 15}, {23, 19}};
const int H4 = 15, A7 = 24;

TEST_F(HumanGame, TwoCaptureRoutesToOneSquareAreToldApartByTheirAlternativeInListOrder) {
  for (int alternative = 0; alternative < 2; ++alternative) {
    if (alternative == 1) {  // a fresh game for the second route
      delete game;
      game = new Game(white = new HumanPlayer(&seat), black = new HumanPlayer(&seat));
      SetUp();
    }
    int ply = 0;
    for (const auto& move : KingWithTwoRoutes) {
      if (game->record.count() == ply) {
        clickOn(move[0]);
        clickOn(move[1]);
      }
      ASSERT_GE(game->record.count(), ++ply) << "move " << move[0] << "-" << move[1];
    }
    ASSERT_EQ(game->moveCount(), 2);
    const Move first = game->moves()[0], second = game->moves()[1];
    clickOn(H4);
    ASSERT_EQ(seat.frames[A7], 2);
    clickOn(A7, alternative);
    ASSERT_EQ(game->record.count(), 15);
    EXPECT_EQ(game->record.last()->move.after, alternative == 0 ? first.after : second.after);
  }
}

TEST_F(HumanGame, ADrawOfferToAPersonIsTheGamesQuestionUntilTheAnswerComes) {
  EXPECT_TRUE(black->asksPerson());
  EXPECT_FALSE(game->offerDraw());
  EXPECT_TRUE(game->drawQuestionOpen());
  clickOn(squareFromPdn(22));
  clickOn(squareFromPdn(18));
  EXPECT_EQ(game->record.count(), 0) << "no move while the question is open";
  EXPECT_TRUE(white->active) << "the turn stays for a refusal";
  game->answerDraw(true);
  EXPECT_EQ(game->result(), Drawn);
  EXPECT_FALSE(white->active);
}

TEST(HumanPlayer, WithoutASeatAPersonNeverMovesAndRefusesDraws) {
  HumanPlayer* white = new HumanPlayer;
  Game game(white, new HumanPlayer);
  game.startGame();
  EXPECT_TRUE(game.awaitingMove());
  EXPECT_FALSE(white->asksPerson());
  EXPECT_FALSE(white->acceptDraw());
  BoardPoint point;
  point.square = squareFromPdn(22);
  white->choose(point);
  EXPECT_EQ(game.record.count(), 0);
}

}  // namespace
