#include <gtest/gtest.h>
#include <memory>
#include <string>
#include "engine/fen.h"
#include "player/move_selection.h"
#include "ui/board_view.h"
#include <FL/Fl.H>
#include <chrono>
#include "game/last_move.h"

namespace {

Position positionOf(const std::string& fen, bool& whiteToMove) {
  Position p;
  std::string error;
  EXPECT_TRUE(parseFen(fen, p, error)) << fen << ": " << error;
  whiteToMove = p.whiteToMove;
  return p;
}

int frameCount(const BoardView& board) {
  int total = 0;
  for (int m : board.marks) total += m;
  return total;
}

TEST(BoardView, OnlyPiecesThatCanMoveAreFramed) {
  struct Case {
    const char* fen;
    std::vector<int> framed;  // PDN squares
  };
  const Case cases[] = {
      {"W:W21,22,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,11,12", {21, 22, 23, 24}},
      // Capturing is compulsory: only the man that can take is framed.
      {"W:W22,30:B18", {22}},
      {"B:W22,30:B18", {18}},
  };
  for (const Case& c : cases) {
    bool whiteToMove = true;
    BoardView board(0, 0, 380, 380);
    const Position position = positionOf(c.fen, whiteToMove);
    const MoveList moves(position);
    MoveSelection selection;
    selection.reset(moves);
    board.showPosition(position, 0);
    board.setFrames(selection.frames());
    for (int pdn : c.framed) EXPECT_EQ(board.marks[squareFromPdn(pdn)], 1) << c.fen << " square " << pdn;
    EXPECT_EQ(frameCount(board), (int)c.framed.size()) << c.fen;
  }
}

TEST(BoardView, TwoCapturesOfOnePieceToOneSquareGiveItTwoFrames) {
  bool whiteToMove = true;
  const Position p = positionOf("W:WK30:B26,18,15,7", whiteToMove);  // king C1, both ways end on F8
  const MoveList moves(p);
  BoardView board(0, 0, 380, 380);
  board.showPosition(p, 0);
  MoveSelection selection;
  selection.reset(moves);
  const Move* none = nullptr;
  EXPECT_TRUE(selection.click(squareFromPdn(30), 0, &none));
  board.setFrames(selection.frames());
  EXPECT_EQ(board.marks[squareFromPdn(3)], 2);  // F8
  EXPECT_EQ(frameCount(board), 2);
  // Another piece's square selects nothing.
  selection.reset(moves);
  EXPECT_FALSE(selection.click(squareFromPdn(26), 0, &none));
  EXPECT_FALSE(selection.pieceSelected());
  EXPECT_EQ(none, nullptr);
}

TEST(BoardView, TheSameSquareMarkedTwiceGetsTwoFrames) {
  BoardView board(0, 0, 200, 200);
  board.markSquares(5, 9);
  EXPECT_EQ(board.marks[5], 1);
  EXPECT_EQ(board.marks[9], 1);
  board.markSquares(12, 12);
  EXPECT_EQ(board.marks[12], 2);
  EXPECT_EQ(board.marks[5], 0);
}

TEST(BoardView, ShowingAPositionKeepsTheFrames) {
  BoardView board(0, 0, 200, 200);
  board.markSquares(3, 7);
  board.showPosition(InitialPosition, 0x10);
  EXPECT_EQ(board.marks[3], 1);
  EXPECT_EQ(board.crossed, 0x10u);
  EXPECT_EQ(board.position, InitialPosition);
}

TEST(BoardView, TheSmallerSideDecidesTheBoardArea) {
  BoardView board(0, 20, 400, 380);
  EXPECT_EQ(board.squareAt(390, 10), -2);  // the strip right of the board
  EXPECT_EQ(board.squareAt(70, 213), 12);
}

TEST(BoardView, TheCoordinateMarginTakesNoClicksAndShiftsTheSquares) {
  BoardView board(0, 20, 412, 412);
  board.margin = 16;
  ASSERT_EQ(board.boardSize(), 380);
  const int points[][3] = {{5, 200, -2},     // the margin left of the board
                           {200, 400, -2},   // the margin below it
                           {16, 16 + 379, 0},  // A1 at the board's bottom left corner
                           {16 + 70, 16 + 213, 12}};
  for (const auto& p : points) EXPECT_EQ(board.squareAt(p[0], p[1]), p[2]) << p[0] << "," << p[1];
  board.flipped = true;
  EXPECT_EQ(board.squareAt(16, 16 + 379), 31) << "H8 where A1 was";
}

// The slide ends by itself after its time, goes on while a person's pointer shows the same
// position again, and stops at once for another position, so it never holds a move back.
TEST(BoardView, ASlideEndsByItselfAndStopsForAnotherPosition) {
  BoardView board(0, 0, 400, 400);
  const Move* played = nullptr;
  const MoveList moves(InitialPosition);
  for (const Move& m : moves)
    if (squareIndex(m.from) == squareFromName('c', '3') && squareIndex(m.to) == squareFromName('d', '4')) played = &m;
  ASSERT_NE(played, nullptr);
  board.showPosition(InitialPosition, 0);
  board.showPosition(played->after, 0);
  board.showLastMove(lastMoveOf(InitialPosition, *played), true);
  board.slide();
  EXPECT_TRUE(board.sliding());
  board.showPosition(played->after, 0);
  EXPECT_TRUE(board.sliding()) << "the same position again";
  const auto start = std::chrono::steady_clock::now();
  while (board.sliding() && std::chrono::steady_clock::now() - start < std::chrono::seconds(2)) Fl::wait(0.01);
  const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_FALSE(board.sliding());
  EXPECT_GE(took, BoardView::SlideSeconds * 0.9);
  EXPECT_LT(took, 1.0) << "a slide that overruns the pause after a move";

  board.slide();
  board.showPosition(InitialPosition, 0);
  EXPECT_FALSE(board.sliding()) << "another position stops the slide at once";
  board.showLastMove(LastMove(), false);
  board.slide();
  EXPECT_FALSE(board.sliding()) << "no last move: nothing to slide";
}

}  // namespace
