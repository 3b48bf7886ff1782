// The board widget: squares, pieces, kings with crowns, frames, crossed-out captures and
// square names; reports mouse events as board points to a person's input, else to whoever
// installed an input handler as its callback.
#pragma once
#include <FL/Fl_Widget.H>
#include <array>
#include <functional>
#include "engine/movelist.h"
#include "game/interfaces.h"
#include "player/person_seat.h"

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

  BoardView(int x, int y, int w, int h);

  void draw() override;
  int handle(int event) override;

  void showPosition(const Position& shown, SquareSet crossedSquares) override;
  void markSquares(int from, int to) override;
  // Stops passing input to a person or a callback.
  void detachInput() override;

  bool hasInputHandler() const;
  void clearMarks();
  // Draws these numbers of frames on the squares (by square index).
  void setFrames(const std::array<int, 32>& frames);
  // Square under a point in widget coordinates, see board_geometry.h.
  int squareAt(int x, int y, int* xOff = nullptr, int* yOff = nullptr) const;
  int alternativeAt(int xOff, int yOff, int count) const;
  int boardSize() const { return w() < h() ? w() : h(); }
  // The point under (x, y) in widget coordinates as a person's move choice reads it.
  BoardPoint pointAt(int x, int y) const;

private:
  void reportToInput(int event);
};
