#include "ui/human_player.h"
#include <FL/Fl.H>
#include "game/game.h"
#include "game/message_text.h"
#include "ui/board_view.h"
#include "ui/message_boxes.h"

BoardView* HumanPlayer::board() const { return dynamic_cast<BoardView*>(game->view); }

void HumanPlayer::takeTurn() {
  active = true;
  resetTurn();
  if (BoardView* b = board()) b->callback(inputHandler, this);
}

bool HumanPlayer::acceptDraw() {
  return askQuestion("%s", drawQuestionText(game->whiteToMove()).c_str());
}

void HumanPlayer::resetTurn() {
  selection.reset(game->moves());
  preview.after = Position(0, 0, 0);
  BoardView* b = board();
  if (!b) return;
  b->showPosition(game->currentPosition(), 0);
  b->setFrames(selection.frames());
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

const Move* HumanPlayer::moveAt(int x, int y) const {
  const BoardView* b = board();
  int xOff = 0, yOff = 0;
  const int s = b->squareAt(x, y, &xOff, &yOff);
  if (s < 0 || b->marks[s] == 0) return nullptr;
  return selection.candidate(s, b->alternativeAt(xOff, yOff, b->marks[s]));
}

void HumanPlayer::click(int x, int y) {
  BoardView* b = board();
  if (!active || !b) return;
  int xOff = 0, yOff = 0;
  const int s = b->squareAt(x, y, &xOff, &yOff);
  if (s < 0) return;
  const Move* chosen = nullptr;
  if (!selection.click(s, b->alternativeAt(xOff, yOff, b->marks[s] > 0 ? b->marks[s] : 1), &chosen)) return;
  if (!chosen) {  // a piece was selected: its destinations are framed now
    preview.after = Position(0, 0, 0);
    b->showPosition(game->currentPosition(), 0);  // without the last piece's preview or a hint's crosses
    b->setFrames(selection.frames());
    hover(x, y);
    return;
  }
  const Move move = *chosen;  // the game replaces its move list while playing
  b->clearMarks();
  active = false;
  game->playMove(move);
}

void HumanPlayer::hover(int x, int y) {
  BoardView* b = board();
  if (!active || !selection.pieceSelected() || !b) return;
  if (const Move* m = moveAt(x, y)) {
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
