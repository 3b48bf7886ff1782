// The window controller between a fake window and the real worker thread, with the moves and
// the sides the tests use.
#pragma once
#include <string>
#include <vector>
#include "enddb/database.h"
#include "tests/controller/fake_window.h"
#include "ui/controller/window_controller.h"

using Lines = std::vector<std::string>;

inline SideSetup person() { return SideSetup(); }
inline SideSetup computer(double seconds) { return computerSide(Level::Classic, seconds); }

// The controller between a fake window and the real worker thread.
struct Window {
  FakeWindow fake;
  WindowController controller{fake, fake, fake, endgameDatabase, Book};

  Game& game() { return const_cast<Game&>(*controller.game()); }
  // A new game between these sides, already started.
  void start(const SideSetup& white, const SideSetup& black) {
    fake.players = [white, black](GameSetup& setup) {
      setup.white = white;
      setup.black = black;
    };
    controller.newGame();
    ASSERT_NE(controller.game(), nullptr);
  }
  // The person to move plays, as a click would; the move's display ends.
  void play(const char* notation) {
    const Move* move = findNamedMove(game(), notation);
    ASSERT_NE(move, nullptr) << notation;
    game().playMove(*move);
    for (int i = 0; i < 3 && fake.fireTimers(); ++i) {
    }
  }
  bool thinking() const { return controller.commandFacts().computerThinks; }
};
