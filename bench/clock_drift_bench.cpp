// How far a game's clocks drift from the wall clock: two sides hand the turn back and forth
// after random waits (a move every 0.05 to 0.6 s) for SECONDS of real time (default 300);
// the time both clocks charged is compared with the time the system clock saw pass.
//   clock_drift_bench [SECONDS]
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>
#include "engine/clock.h"
#include "game/game_clock.h"

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 300;
  if (!(seconds > 0 && seconds <= 36000)) {
    std::fprintf(stderr, "clock_drift_bench: SECONDS must be from 0 to 36000\n");
    return 2;
  }
  const TimeControl control{seconds, 0};
  GameClock clock = newGameClock(control, control);
  std::mt19937 random(7);
  std::uniform_int_distribution<int> wait(50, 600);
  const auto wallStart = std::chrono::system_clock::now();
  bool white = true;
  int moves = 0;
  startClock(clock, white, wallClock());
  double elapsed = 0;
  while ((elapsed = std::chrono::duration<double>(std::chrono::system_clock::now() - wallStart).count()) <
         seconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(wait(random)));
    completeMove(clock, white, wallClock());
    white = !white;
    startClock(clock, white, wallClock());
    ++moves;
  }
  const double now = wallClock();
  const double wall = std::chrono::duration<double>(std::chrono::system_clock::now() - wallStart).count();
  const double charged = 2 * seconds - timeLeft(clock, true, now) - timeLeft(clock, false, now);
  std::printf("wall %.4f s, clocks charged %.4f s, %d moves, drift %+.4f s\n", wall, charged, moves, charged - wall);
  return std::fabs(charged - wall) < 0.1 ? 0 : 1;
}
