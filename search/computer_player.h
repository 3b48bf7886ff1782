// The computer as a player: draw offers, the opening book, the end-game database,
// and otherwise an iterative-deepening search under a time limit per move.
#pragma once
#include "game/interfaces.h"
#include "game/player_type.h"

class ComputerPlayer : public Player {
public:
  int drawOfferDelay = 0;  // own turns to wait before offering a draw again
  double timeLimit;        // seconds per move

  explicit ComputerPlayer(double timeLimit) : timeLimit(timeLimit) {}
  // Decides and hands one move to the game, unless a draw it offered was accepted.
  void takeTurn() override;
  // True in a database draw and in a repeated position.
  bool acceptDraw() override;
};

// The "computer" kind. Without a window its players get `timeLimit`; the window's
// version derives from it to add the time slider and read the limit from it.
class ComputerPlayerType : public PlayerType {
public:
  double timeLimit = 1.0;

  Player* createPlayer(Fl_Widget* options) override { return new ComputerPlayer(timeLimitFrom(options)); }
  const char* typeName() const override { return "computer"; }

protected:
  virtual double timeLimitFrom(Fl_Widget*) { return timeLimit; }
};
