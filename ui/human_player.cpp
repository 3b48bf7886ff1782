#include "ui/human_player.h"
#include <FL/Fl.H>
#include "game/game.h"
#include "ui/board_view.h"
#include "ui/message_boxes.h"

BoardView* HumanPlayer::board() const { return dynamic_cast<BoardView*>(game->view); }

void HumanPlayer::takeTurn() {
  active = true;
  resetTurn();
  if (BoardView* b = board()) b->callback(inputHandler, this);
}

bool HumanPlayer::acceptDraw() {
  return askQuestion("Ask to %s: Accept draw?", sidePrefix(game->whiteToMove()));
}

void HumanPlayer::resetTurn() {
  preview.from = 0;
  BoardView* b = board();
  if (!b) return;
  b->showPosition(game->currentPosition(), 0);
  b->markMovable();
}

void HumanPlayer::inputHandler(Fl_Widget* widget, void* data) {
  HumanPlayer* human = (HumanPlayer*)data;
  BoardView* b = (BoardView*)widget;
  const int x = Fl::event_x() - b->x(), y = Fl::event_y() - b->y();
  switch (b->lastEvent) {
    case FL_ENTER: case FL_LEAVE: case FL_DRAG: case FL_MOVE:
      human->hover(x, y);
      break;
    case FL_RELEASE:
      if (Fl::event_button() == FL_LEFT_MOUSE) human->click(x, y);
      else if (Fl::event_button() == FL_RIGHT_MOUSE && human->active) human->resetTurn();
      break;
    default:
      break;
  }
}

const Move* HumanPlayer::alternative(int square, int k) const {
  for (const Move& m : game->moves()) {
    if (m.from != preview.from || squareIndex(m.to) != square) continue;
    if (k-- == 0) return &m;
  }
  return nullptr;
}

void HumanPlayer::click(int x, int y) {
  BoardView* b = board();
  if (!active || !b) return;
  int xOff = 0, yOff = 0;
  const int s = b->squareAt(x, y, &xOff, &yOff);
  if (s < 0 || b->marks[s] == 0) return;
  if (!preview.from) {
    preview.from = (SquareSet)1 << s;
    preview.after = Position(0, 0, 0);
    b->markDestinations(game->moves(), s);
    hover(x, y);
    return;
  }
  const Move* chosen = alternative(s, b->alternativeAt(xOff, yOff, b->marks[s]));
  if (!chosen) return;
  const Move move = *chosen;  // the game replaces its move list while playing
  b->clearMarks();
  active = false;
  game->playMove(move);  // may end with this player deleted
}

void HumanPlayer::hover(int x, int y) {
  BoardView* b = board();
  if (!active || !preview.from || !b) return;
  int xOff = 0, yOff = 0;
  const int s = b->squareAt(x, y, &xOff, &yOff);
  const Move* m = (s >= 0 && b->marks[s] > 0) ? alternative(s, b->alternativeAt(xOff, yOff, b->marks[s])) : nullptr;
  if (m) {
    if (m->after == preview.after) return;
    preview = *m;
    b->showPosition(m->after, m->captured);
    return;
  }
  if (preview.after.white | preview.after.black) {
    preview.after = Position(0, 0, 0);
    b->showPosition(game->currentPosition(), 0);
  }
}
