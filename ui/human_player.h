// A person playing with the mouse on the main board: click a framed piece, then a framed
// destination; pointing at a destination previews the move; the right button starts over.
// The choice itself is a MoveSelection; this class carries the board's clicks to it.
#pragma once
#include <FL/Fl_Widget.H>
#include "engine/movelist.h"
#include "game/interfaces.h"
#include "game/move_selection.h"

class BoardView;

class HumanPlayer : public Player {
public:
  bool active = false;  // the person is to move and the board takes input
  Move preview;         // the move previewed; no pieces after it: none

  void takeTurn() override;
  bool asksPerson() const override { return true; }  // the window asks and answers the game
  void dropTurn() override { active = false; }

private:
  MoveSelection selection;

  BoardView* board() const;
  void resetTurn();
  void click(int x, int y);
  void hover(int x, int y);
  // The move framed under a point with a piece selected, or none.
  const Move* moveAt(int x, int y) const;
  static void inputHandler(Fl_Widget* board, void* human);
};
