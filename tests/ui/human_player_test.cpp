#include <FL/Fl.H>
#include <gtest/gtest.h>
#include "engine/fen.h"
#include "game/game.h"
#include "ui/board_view.h"
#include "ui/human_player.h"

namespace {

// Two people at one board; mouse events are fed to the board as the toolkit would.
class HumanGame : public ::testing::Test {
protected:
  BoardView board{0, 20, 400, 380};
  HumanPlayer* white = new HumanPlayer;
  HumanPlayer* black = new HumanPlayer;
  Game* game = new Game(white, black);

  void SetUp() override {
    game->view = &board;
    game->startGame();
  }
  void TearDown() override { delete game; }

  // An event at a point inside a square (PDN number), offset from the square's top left.
  void mouse(int event, int pdn, int button = FL_LEFT_MOUSE, int dx = 23, int dy = 23) {
    mouseOn(event, squareFromPdn(pdn), button, dx, dy);
  }
  void mouseOn(int event, int bit, int button = FL_LEFT_MOUSE, int dx = 23, int dy = 23) {
    const int rank = bit >> 2, column = 2 * (bit & 3) + (rank & 1);
    Fl::e_x = board.x() + (int)(column * 47.5) + dx;
    Fl::e_y = board.y() + (int)((7 - rank) * 47.5) + dy;
    Fl::e_keysym = FL_Button + button;
    board.handle(event);
  }
  int framed(int pdn) const { return board.marks[squareFromPdn(pdn)]; }
};

TEST_F(HumanGame, ASelectedPieceFramesOnlyItsDestinations) {
  EXPECT_TRUE(white->active);
  EXPECT_EQ(framed(22), 1);  // C3 can move
  mouse(FL_RELEASE, 22);
  EXPECT_EQ(framed(22), 0);
  EXPECT_EQ(framed(17), 1);  // B4
  EXPECT_EQ(framed(18), 1);  // D4
  EXPECT_EQ(game->record.count(), 0);
}

TEST_F(HumanGame, UnframedSquaresLightSquaresAndTheStripDoNothing) {
  mouse(FL_RELEASE, 26);  // D2 cannot move
  mouse(FL_RELEASE, 22, FL_LEFT_MOUSE, -10, 5);  // light square left of C3
  Fl::e_x = 395;  // right of the 8x8 area
  board.handle(FL_RELEASE);
  EXPECT_EQ(framed(22), 1);
  EXPECT_EQ(framed(17), 0);
}

TEST_F(HumanGame, PointingAtADestinationPreviewsTheMoveAndLeavingRestoresThePosition) {
  mouse(FL_RELEASE, 22);
  mouse(FL_MOVE, 18);
  EXPECT_TRUE(board.position.white & (1u << squareFromPdn(18)));
  EXPECT_FALSE(board.position.white & (1u << squareFromPdn(22)));
  mouse(FL_MOVE, 1);
  EXPECT_EQ(board.position, InitialPosition);
  EXPECT_EQ(framed(18), 1);  // the frames stay while previewing
}

TEST_F(HumanGame, ClickingAnotherMovablePieceSelectsIt) {
  mouse(FL_RELEASE, 22);  // C3
  mouse(FL_MOVE, 18);     // previewing C3-D4
  mouse(FL_RELEASE, 23);  // E3 takes the selection over
  EXPECT_EQ(board.position, InitialPosition) << "the preview of C3-D4 is gone";
  EXPECT_EQ(framed(18), 1);  // D4
  EXPECT_EQ(framed(19), 1);  // F4
  EXPECT_EQ(framed(17), 0);  // B4 belonged to C3
  mouse(FL_RELEASE, 26);     // D2 cannot move: the selection stays
  mouse(FL_RELEASE, 19);
  ASSERT_EQ(game->record.count(), 1);
  EXPECT_EQ(game->record.last()->move.from, 1u << squareFromPdn(23));
}

TEST_F(HumanGame, TheRightButtonDropsTheSelection) {
  mouse(FL_RELEASE, 22);
  mouse(FL_RELEASE, 5, FL_RIGHT_MOUSE);
  EXPECT_EQ(framed(22), 1);
  EXPECT_EQ(framed(21), 1);
  EXPECT_EQ(framed(18), 0);
}

TEST_F(HumanGame, ClickingAFramedDestinationPlaysTheMoveAndHandsTheTurnOver) {
  mouse(FL_RELEASE, 22);
  mouse(FL_RELEASE, 18);
  ASSERT_EQ(game->record.count(), 1);
  EXPECT_FALSE(white->active);
  EXPECT_TRUE(black->active);
  EXPECT_FALSE(game->whiteToMove());
  // Black's movable men are framed: B6, D6, F6, H6.
  for (int pdn : {9, 10, 11, 12}) EXPECT_EQ(framed(pdn), 1) << "square " << pdn;
  EXPECT_EQ(framed(22), 0);
}

// Fourteen plies (square bit numbers) after which White's king on H4 can take two ways to A7:
// over C5 first in the move list, over B6 second. Forced moves play themselves.
const int KingWithTwoRoutes[][2] = {{8, 12},  {21, 17}, {12, 21}, {25, 18}, {4, 8},   {29, 25}, {0, 4},
                                    {26, 21}, {10, 13}, {20, 17}, {13, 29}, {24, 20}, {29, 15}, {23, 19}};
const int H4 = 15, A7 = 24;

TEST_F(HumanGame, TwoCaptureRoutesToOneSquareSplitItsFrameAndTheLeftHalfPlaysTheFirst) {
  for (int side = 0; side < 2; ++side) {
    if (side == 1) {  // a fresh game for the right half
      delete game;
      game = new Game(white = new HumanPlayer, black = new HumanPlayer);
      SetUp();
    }
    int ply = 0;
    for (const auto& move : KingWithTwoRoutes) {
      if (game->record.count() == ply) {
        mouseOn(FL_RELEASE, move[0]);
        mouseOn(FL_RELEASE, move[1]);
      }
      ASSERT_GE(game->record.count(), ++ply) << "move " << move[0] << "-" << move[1];
    }
    ASSERT_EQ(game->moveCount(), 2);
    const Move first = game->moves()[0], second = game->moves()[1];
    mouseOn(FL_RELEASE, H4);
    ASSERT_EQ(board.marks[A7], 2);
    mouseOn(FL_RELEASE, A7, FL_LEFT_MOUSE, side == 0 ? 5 : 40, 23);
    ASSERT_EQ(game->record.count(), 15);
    const Position played = game->record.last()->move.after;
    EXPECT_EQ(played, side == 0 ? first.after : second.after) << "half " << side;
  }
}

TEST_F(HumanGame, ACanceledGameNoLongerListensToTheBoard) {
  game->cancelGame();
  EXPECT_FALSE(board.hasInputHandler());
}

}  // namespace
