#include "ui/controller/controlled_game.h"
#include "ui/controller/window_ports.h"

ControlledGame::ControlledGame(Player* white, Player* black, const Position& start, EventLoop& loop)
    : Game(white, black, start), loop(loop) {}

ControlledGame::~ControlledGame() { stopPause(); }

void ControlledGame::pause(double seconds) {
  timer = loop.after(seconds, [this] {
    timer = 0;
    pauseEnded();
  });
}

void ControlledGame::stopPause() {
  loop.cancel(timer);
  timer = 0;
}
