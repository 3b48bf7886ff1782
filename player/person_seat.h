// What a person plays at: a board that shows positions and frames and reports where the person
// points and clicks. The window provides one; draw offers to the person are the game's
// questions, which the window puts to them.
#pragma once
#include <array>
#include <string>
#include "engine/board.h"

// A point on the board as a move choice reads it.
struct BoardPoint {
  int square = -1;      // index (0..31) of the dark square under the pointer; negative for none
  int alternative = 0;  // the part of the square's split frame under the pointer, in list order
  bool framed = false;  // the square has a frame
};

// Receives what the person does on the board.
class BoardInput {
public:
  // The pointer moved, entered or left; after a click it is reported again, as frames change.
  virtual void pointAt(const BoardPoint& point) = 0;
  virtual void choose(const BoardPoint& point) = 0;  // the left button was released
  virtual void startOver() = 0;                      // the right button was released
  virtual ~BoardInput() = default;
};

class PersonSeat {
public:
  virtual void showPosition(const Position& position, SquareSet crossed) = 0;
  // Draws these numbers of frames on the squares (by square index).
  virtual void showFrames(const std::array<int, 32>& frames) = 0;
  virtual void clearFrames() = 0;
  // From now on the board's input goes to `input`; none when null.
  virtual void listen(BoardInput* input) = 0;
  virtual ~PersonSeat() = default;
};
