// The window's board as a person's seat: mouse events become board points for the player.
#include <FL/Fl.H>
#include <gtest/gtest.h>
#include "engine/square_names.h"
#include "game/game.h"
#include "game/player_factory.h"
#include "ui/board_seat.h"
#include "ui/board_view.h"

namespace {

// Two people at the window's board; mouse events are fed to it as the toolkit would.
class SeatGame : public ::testing::Test {
protected:
  BoardView board{0, 20, 400, 380};
  BoardSeat seat{board};
  Game* game = nullptr;

  void SetUp() override {
    PlayerServices services;
    services.seat = &seat;
    GameSetup setup;
    game = new Game(setup, makePlayer(setup.white, services), makePlayer(setup.black, services));
    game->view = &board;
    game->startGame();
  }
  void TearDown() override { delete game; }

  // An event at a point inside a square (PDN number), offset from the square's top left.
  void mouse(int event, int pdn, int button = FL_LEFT_MOUSE, int dx = 23, int dy = 23) {
    const int bit = squareFromPdn(pdn), rank = bit >> 2, column = 2 * (bit & 3) + (rank & 1);
    Fl::e_x = board.x() + (int)(column * 47.5) + dx;
    Fl::e_y = board.y() + (int)((7 - rank) * 47.5) + dy;
    Fl::e_keysym = FL_Button + button;
    board.handle(event);
  }
  int framed(int pdn) const { return board.marks[squareFromPdn(pdn)]; }
};

TEST_F(SeatGame, ClicksOnTheBoardChooseAndPlayAPersonsMove) {
  EXPECT_TRUE(board.hasInputHandler());
  EXPECT_EQ(framed(22), 1);  // C3 can move
  mouse(FL_RELEASE, 22);
  EXPECT_EQ(framed(17), 1);  // B4
  mouse(FL_MOVE, 18);        // a preview of C3-D4
  EXPECT_TRUE(board.position.white & (1u << squareFromPdn(18)));
  mouse(FL_RELEASE, 5, FL_RIGHT_MOUSE);  // the right button starts over
  EXPECT_EQ(framed(17), 0);
  EXPECT_EQ(framed(21), 1);
  mouse(FL_RELEASE, 22);
  mouse(FL_RELEASE, 18, FL_MIDDLE_MOUSE);  // the middle button does nothing
  EXPECT_EQ(game->record.count(), 0);
  mouse(FL_RELEASE, 18);
  EXPECT_EQ(game->record.count(), 1);
  for (int pdn : {9, 10, 11, 12}) EXPECT_EQ(framed(pdn), 1) << "Black's men to move, square " << pdn;
}

TEST_F(SeatGame, ACanceledGameNoLongerListensToTheBoard) {
  game->cancelGame();
  EXPECT_FALSE(board.hasInputHandler());
  mouse(FL_RELEASE, 22);
  EXPECT_EQ(game->record.count(), 0);
}

TEST(BoardView, APointNamesTheSquareItsFrameAndTheHalfOfASplitFrame) {
  BoardView board(0, 0, 400, 400);  // squares of 50 pixels; A1 at the bottom left
  const int c3 = squareFromPdn(22);
  board.marks[c3] = 2;
  const struct {
    int x, y;
    int square, alternative;
    bool framed;
  } cases[] = {
      {105, 275, c3, 0, true},                  // left half of C3
      {145, 275, c3, 1, true},                  // right half
      {75, 275, -1, 0, false},                  // B3 is light
      {175, 225, squareFromPdn(18), 0, false},  // D4, no frame
      {405, 10, -2, 0, false},                  // right of the board
  };
  for (const auto& c : cases) {
    const BoardPoint point = board.pointAt(c.x, c.y);
    EXPECT_EQ(point.square, c.square) << c.x << "," << c.y;
    if (point.square < 0) continue;
    EXPECT_EQ(point.framed, c.framed) << c.x << "," << c.y;
    EXPECT_EQ(point.alternative, c.alternative) << c.x << "," << c.y;
  }
}

}  // namespace
