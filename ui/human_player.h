// A person playing with the mouse on the main board: click a framed piece, then a framed
// destination; pointing at a destination previews the move; the right button starts over.
#pragma once
#include <FL/Fl_Widget.H>
#include "engine/movelist.h"
#include "game/interfaces.h"

class BoardView;

class HumanPlayer : public Player {
public:
  bool active = false;  // the person is to move and the board takes input
  Move preview;         // the move previewed (no pieces after it: none) and the selected square (0: none)

  void takeTurn() override;
  bool acceptDraw() override;

private:
  BoardView* board() const;
  void resetTurn();
  void click(int x, int y);
  void hover(int x, int y);
  // The k-th move of the current list from the selected piece to `square`, or none.
  const Move* alternative(int square, int k) const;
  static void inputHandler(Fl_Widget* board, void* human);
};
