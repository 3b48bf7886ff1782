// The board widget: squares, pieces, kings with crowns, frames, crossed-out captures, the
// last move, coordinates in a margin around it and square names; slides a move's piece
// when asked. Reports mouse events as board points to a person's input, else to whoever
// installed an input handler as its callback.
#pragma once
#include <FL/Fl_Widget.H>
#include <array>
#include <functional>
#include <memory>
#include "engine/movelist.h"
#include "game/interfaces.h"
#include "player/person_seat.h"
#include "ui/board_theme.h"

struct PieceSprites;

class BoardView : public Fl_Widget, public GameView {
public:
  Position position;       // the pieces drawn
  SquareSet crossed = 0;   // squares drawn with a red cross
  int marks[32] = {};      // number of frames on each dark square
  bool showNames = false;  // square names, when a square is wider than 20 pixels
  bool flipped = false;    // Black at the bottom
  const char* emptyText = nullptr;  // shown across an empty board, such as how to begin
  int lastEvent = 0;       // the event being handled (the toolkit misreports entering)
  BoardInput* input = nullptr;  // a person to move on this board; not owned
  // Where set, the board takes the focus on a click, and Left and Right call it (true: Right).
  std::function<void(bool forward)> onStep;
  BoardLook look;          // the colours of the board and the pieces
  LastMove lastMove;       // its squares tinted
  int margin = 0;          // a band on each side for the coordinates; 0: none drawn

  static constexpr double SlideSeconds = 0.15;

  BoardView(int x, int y, int w, int h);
  ~BoardView() override;

  void draw() override;
  int handle(int event) override;

  void showPosition(const Position& shown, SquareSet crossedSquares) override;
  void markSquares(int from, int to) override;
  // Stops passing input to a person or a callback.
  void detachInput() override;
  void showLastMove(const LastMove& last, bool played) override;

  bool hasInputHandler() const;
  void clearMarks();
  // Draws these numbers of frames on the squares (by square index).
  void setFrames(const std::array<int, 32>& frames);
  // Slides the last move's piece along its route, the taken pieces fading, over
  // SlideSeconds; a new position shown stops it.
  void slide();
  bool sliding() const { return slideStart >= 0; }
  // Square under a point in widget coordinates, see board_geometry.h.
  int squareAt(int x, int y, int* xOff = nullptr, int* yOff = nullptr) const;
  int alternativeAt(int xOff, int yOff, int count) const;
  // The board's squares without the margin.
  int boardSize() const { return std::max(0, (w() < h() ? w() : h()) - 2 * margin); }
  // The point under (x, y) in widget coordinates as a person's move choice reads it.
  BoardPoint pointAt(int x, int y) const;

private:
  double slideStart = -1;     // seconds on the steady clock; negative: no slide
  double slideProgress = 1;   // 0 .. 1 of the slide drawn next
  std::unique_ptr<PieceSprites> sprites;

  void reportToInput(int event);
  void stopSlide();
  static void slideTick(void* board);
};
