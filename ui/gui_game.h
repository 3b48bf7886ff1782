// A game shown in the window: a move's display pause is a timer of the event loop.
#pragma once
#include "game/game.h"
#include "player/player_factory.h"

class GuiGame : public Game {
public:
  using Game::Game;
  // The game `setup` describes, with its players made from the window's services.
  GuiGame(const GameSetup& setup, const PlayerServices& services)
      : Game(setup, makePlayer(setup.white, services), makePlayer(setup.black, services)) {}
  ~GuiGame() override;

protected:
  void pause(double seconds) override;
  void stopPause() override;

private:
  static void onPauseEnd(void* game);
};
