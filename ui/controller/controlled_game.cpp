#include "ui/controller/controlled_game.h"
#include "ui/controller/window_ports.h"

ControlledGame::ControlledGame(const GameSetup& setup, const PlayerServices& services, EventLoop& loop)
    : Game(setup, makePlayer(setup.white, services), makePlayer(setup.black, services)), loop(loop) {
  clockTime = [&loop] { return loop.now(); };
}

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
