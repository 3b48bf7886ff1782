#include "ui/board_view.h"
#include <memory>
#include "ui/board_geometry.h"

BoardView::BoardView(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) {
  box(FL_FLAT_BOX);
  color(FL_BACKGROUND_COLOR);
}

int BoardView::handle(int event) {
  switch (event) {
    case FL_PUSH: case FL_RELEASE: case FL_ENTER: case FL_LEAVE: case FL_DRAG: case FL_MOVE:
      lastEvent = event;
      if (hasInputHandler()) do_callback();
      return 1;
    default:
      return Fl_Widget::handle(event);
  }
}

void BoardView::showPosition(const Position& shown, SquareSet crossedSquares) {
  position = Position(shown.white, shown.black, shown.kings);
  crossed = crossedSquares;
  redraw();
}

void BoardView::clearMarks() {
  for (int& m : marks) m = 0;
}

void BoardView::markSquares(int from, int to) {
  clearMarks();
  if (from >= 0 && from < 32) marks[from] += 1;
  if (to >= 0 && to < 32) marks[to] += 1;
  redraw();
}

void BoardView::detachInput() { callback((Fl_Callback*)nullptr); }

bool BoardView::hasInputHandler() const {
  return callback() && callback() != Fl_Widget::default_callback;
}

void BoardView::markMovable(bool black) {
  Move* list = nullptr;
  const int count = black ? position.blackMoves(&list) : position.whiteMoves(&list);
  std::unique_ptr<Move[]> moves(list);
  clearMarks();
  for (int i = 0; i < count; ++i) marks[squareIndex(moves[i].from)] = 1;
  redraw();
}

void BoardView::markDestinations(SquareSet empty, const Move* moves, int count, int square) {
  clearMarks();
  for (int i = 0; i < count; ++i) {
    if (moves[i].from != (SquareSet)1 << square) continue;
    marks[squareIndex(moves[i].destination(empty))] += 1;
  }
  redraw();
}

int BoardView::squareAt(int x, int y, int* xOff, int* yOff) const {
  return ::squareAt(boardSize(), x, y, xOff, yOff);
}

int BoardView::alternativeAt(int xOff, int yOff, int count) const {
  return ::alternativeAt(boardSize(), xOff, yOff, count);
}
