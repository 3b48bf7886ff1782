// A game shown in the window: its pauses keep the window alive.
#pragma once
#include "game/game.h"

class GuiGame : public Game {
public:
  using Game::Game;
  // Processes window events until the time is over; true as soon as the game was canceled.
  bool pause(double seconds) override;
};
