// A person playing on a board: click a framed piece, then a framed destination; pointing at a
// destination previews the move; the right button starts over. The choice itself is a
// MoveSelection; this class carries the board's points to it.
#pragma once
#include "engine/movelist.h"
#include "player/player.h"
#include "player/move_selection.h"
#include "player/person_seat.h"

class HumanPlayer : public Player, public BoardInput {
public:
  bool active = false;  // the person is to move and the board takes input
  Move preview;         // the move previewed; no pieces after it: none

  // Without a seat the person never moves and refuses draws; with one, the window asks.
  explicit HumanPlayer(PersonSeat* seat = nullptr) : seat(seat) {}

  void takeTurn() override;
  bool asksPerson() const override { return seat != nullptr; }
  void dropTurn() override { active = false; }

  void pointAt(const BoardPoint& point) override;
  void choose(const BoardPoint& point) override;
  void startOver() override;

private:
  PersonSeat* seat;
  MoveSelection selection;

  void resetTurn();
  void clearPreview() { preview.after = Position(0, 0, 0); }
};
