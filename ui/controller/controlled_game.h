// A game in the window: a move's display pause is a timer of the event loop.
#pragma once
#include "game/game.h"

class EventLoop;

class ControlledGame : public Game {
public:
  ControlledGame(Player* white, Player* black, const Position& start, EventLoop& loop);
  ~ControlledGame() override;

protected:
  void pause(double seconds) override;
  void stopPause() override;

private:
  EventLoop& loop;
  int timer = 0;
};
