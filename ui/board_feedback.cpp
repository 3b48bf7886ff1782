#include "ui/board_feedback.h"
#include "ui/board_sounds.h"
#include "ui/board_view.h"

void BoardFeedback::showPosition(const Position& position, SquareSet crossed) {
  board.showPosition(position, crossed);
}

void BoardFeedback::markSquares(int from, int to) { board.markSquares(from, to); }

void BoardFeedback::detachInput() { board.detachInput(); }

// The slide runs inside the display pause that follows every move, so the game's clock and
// the computer never wait for it.
void BoardFeedback::showLastMove(const LastMove& last, bool played) {
  board.showLastMove(last, played);
  if (!played || last.empty()) return;
  if (animation) board.slide();
  sounds.play(last.captured ? BoardSound::Capture : BoardSound::Move);
}

void BoardFeedback::gameEnded() { sounds.play(BoardSound::GameEnd); }

void BoardFeedback::playLowClock() { sounds.play(BoardSound::LowClock); }
