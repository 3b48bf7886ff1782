#include "ui/board_seat.h"
#include "ui/board_view.h"
#include "ui/message_boxes.h"

void BoardSeat::showPosition(const Position& position, SquareSet crossed) { board.showPosition(position, crossed); }

void BoardSeat::showFrames(const std::array<int, 32>& frames) { board.setFrames(frames); }

void BoardSeat::clearFrames() { board.clearMarks(); }

void BoardSeat::listen(BoardInput* input) { board.input = input; }

bool BoardSeat::ask(const std::string& question) { return askQuestion("%s", question.c_str()); }
