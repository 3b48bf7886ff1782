#include "ui/board_view.h"
#include <FL/Fl.H>
#include <algorithm>
#include <chrono>
#include "ui/board_geometry.h"
#include "ui/piece_sprites.h"

namespace {

constexpr double FrameSeconds = 1.0 / 60;

double now() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace

BoardView::BoardView(int x, int y, int w, int h) : Fl_Widget(x, y, w, h), sprites(new PieceSprites) {
  box(FL_FLAT_BOX);
  color(FL_BACKGROUND_COLOR);
}

BoardView::~BoardView() { stopSlide(); }

int BoardView::handle(int event) {
  switch (event) {
    case FL_PUSH: case FL_RELEASE: case FL_ENTER: case FL_LEAVE: case FL_DRAG: case FL_MOVE:
      lastEvent = event;
      if (event == FL_PUSH && onStep) take_focus();
      if (input) reportToInput(event);
      else if (hasInputHandler()) do_callback();
      return 1;
    case FL_FOCUS: case FL_UNFOCUS:
      return onStep ? 1 : 0;
    case FL_KEYBOARD:
      if (onStep && (Fl::event_key() == FL_Left || Fl::event_key() == FL_Right) && !Fl::event_state(FL_ALT)) {
        onStep(Fl::event_key() == FL_Right);
        return 1;
      }
      return 0;
    default:
      return Fl_Widget::handle(event);
  }
}

void BoardView::showPosition(const Position& shown, SquareSet crossedSquares) {
  // A person's pointer shows the same position again at once: the slide goes on.
  if (shown == position && crossedSquares == crossed) {
    redraw();
    return;
  }
  stopSlide();
  position = shown;
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

void BoardView::detachInput() {
  input = nullptr;
  callback((Fl_Callback*)nullptr);
}

bool BoardView::hasInputHandler() const {
  return input || (callback() && callback() != Fl_Widget::default_callback);
}

BoardPoint BoardView::pointAt(int x, int y) const {
  BoardPoint point;
  int xOff = 0, yOff = 0;
  point.square = squareAt(x, y, &xOff, &yOff);
  if (point.square < 0) return point;
  point.framed = marks[point.square] > 0;
  point.alternative = alternativeAt(xOff, yOff, std::max(marks[point.square], 1));
  return point;
}

void BoardView::reportToInput(int event) {
  const int x = Fl::event_x() - this->x(), y = Fl::event_y() - this->y();
  switch (event) {
    case FL_ENTER: case FL_LEAVE: case FL_DRAG: case FL_MOVE:
      input->pointAt(pointAt(x, y));
      break;
    case FL_RELEASE:
      if (Fl::event_button() == FL_LEFT_MOUSE) {
        input->choose(pointAt(x, y));
        if (input) input->pointAt(pointAt(x, y));  // the frames may have changed under the pointer
      } else if (Fl::event_button() == FL_RIGHT_MOUSE) {
        input->startOver();
      }
      break;
    default:
      break;
  }
}

void BoardView::setFrames(const std::array<int, 32>& frames) {
  for (int i = 0; i < 32; ++i) marks[i] = frames[i];
  redraw();
}

int BoardView::squareAt(int x, int y, int* xOff, int* yOff) const {
  return ::squareAt(boardSize(), x - margin, y - margin, xOff, yOff, flipped);
}

int BoardView::alternativeAt(int xOff, int yOff, int count) const {
  return ::alternativeAt(boardSize(), xOff, yOff, count);
}

void BoardView::showLastMove(const LastMove& last, bool) {
  lastMove = last;
  redraw();
}

void BoardView::slide() {
  if (lastMove.empty()) return;
  slideStart = now();
  slideProgress = 0;
  Fl::remove_timeout(slideTick, this);
  Fl::add_timeout(FrameSeconds, slideTick, this);
  redraw();
}

void BoardView::stopSlide() {
  if (slideStart < 0) return;
  slideStart = -1;
  slideProgress = 1;
  Fl::remove_timeout(slideTick, this);
  redraw();
}

void BoardView::slideTick(void* data) {
  BoardView* board = (BoardView*)data;
  board->slideProgress = (now() - board->slideStart) / SlideSeconds;
  if (board->slideProgress >= 1) {
    board->stopSlide();
    return;
  }
  board->redraw();
  Fl::repeat_timeout(FrameSeconds, slideTick, data);
}
