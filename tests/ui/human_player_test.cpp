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
  void TearDown() override {
    if (game) game->cancelGame();
  }

  // Window coordinates of a point inside a square (PDN number), offset from its top left.
  void mouse(int event, int pdn, int button = FL_LEFT_MOUSE, int dx = 23, int dy = 23) {
    const int bit = squareFromPdn(pdn), rank = bit >> 2, column = 2 * (bit & 3) + (rank & 1);
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
  EXPECT_TRUE(game->blackToMove());
  // Black's movable men are framed: B6, D6, F6, H6.
  for (int pdn : {9, 10, 11, 12}) EXPECT_EQ(framed(pdn), 1) << "square " << pdn;
  EXPECT_EQ(framed(22), 0);
}

TEST_F(HumanGame, ACanceledGameNoLongerListensToTheBoard) {
  game->cancelGame();
  game = nullptr;
  EXPECT_FALSE(board.hasInputHandler());
}

}  // namespace
