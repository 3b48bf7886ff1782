// A game shown in the window: a move's display pause is a timer of the event loop.
#pragma once
#include "game/game.h"

class GuiGame : public Game {
public:
  using Game::Game;
  ~GuiGame() override;

protected:
  void pause(double seconds) override;
  void stopPause() override;

private:
  static void onPauseEnd(void* game);
};
