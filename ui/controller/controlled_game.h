// A game in the window: a move's display pause is a timer of the event loop.
#pragma once
#include "game/game.h"
#include "game/player_factory.h"

class EventLoop;

class ControlledGame : public Game {
public:
  // The game `setup` describes, its players made with `services`.
  ControlledGame(const GameSetup& setup, const PlayerServices& services, EventLoop& loop);
  ~ControlledGame() override;

protected:
  void pause(double seconds) override;
  void stopPause() override;

private:
  EventLoop& loop;
  int timer = 0;
};
