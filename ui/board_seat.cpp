#include "ui/board_seat.h"
#include "ui/board_view.h"

void BoardSeat::showPosition(const Position& position, SquareSet crossed) { board.showPosition(position, crossed); }

void BoardSeat::showFrames(const std::array<int, 32>& frames) { board.setFrames(frames); }

void BoardSeat::clearFrames() { board.clearMarks(); }

void BoardSeat::listen(BoardInput* input) { board.input = input; }
