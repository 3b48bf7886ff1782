// A person's seat at the window: the main board shows and takes the clicks.
#pragma once
#include "player/person_seat.h"

class BoardView;

class BoardSeat : public PersonSeat {
public:
  explicit BoardSeat(BoardView& board) : board(board) {}

  void showPosition(const Position& position, SquareSet crossed) override;
  void showFrames(const std::array<int, 32>& frames) override;
  void clearFrames() override;
  void listen(BoardInput* input) override;

private:
  BoardView& board;
};
