#include "game/game_clock.h"
#include <algorithm>

GameClock newGameClock(const TimeControl& white, const TimeControl& black) {
  GameClock clock;
  clock.control[0] = white;
  clock.control[1] = black;
  clock.left[0] = white.gameSeconds;
  clock.left[1] = black.gameSeconds;
  return clock;
}

double timeLeft(const GameClock& clock, bool white, double now) {
  const int side = white ? 0 : 1;
  double left = clock.left[side];
  if (clock.running == side && !clock.paused) left -= std::max(0.0, now - clock.runningSince);
  return std::max(0.0, left);
}

void stopClock(GameClock& clock, double now) {
  if (clock.running < 0) return;
  clock.left[clock.running] = timeLeft(clock, clock.running == 0, now);
  clock.running = -1;
  clock.paused = false;
}

void startClock(GameClock& clock, bool white, double now) {
  stopClock(clock, now);
  if (!clock.onClock(white)) return;
  clock.running = white ? 0 : 1;
  clock.runningSince = now;
}

double completeMove(GameClock& clock, bool white, double now) {
  const int side = white ? 0 : 1;
  if (clock.running == side) stopClock(clock, now);
  if (!clock.onClock(white)) return -1;
  clock.left[side] += clock.control[side].increment;
  return clock.left[side];
}

bool flagFell(const GameClock& clock, double now) {
  return clock.running >= 0 && timeLeft(clock, clock.running == 0, now) <= 0;
}

void pauseClock(GameClock& clock, double now) {
  if (clock.running < 0 || clock.paused) return;
  clock.left[clock.running] = timeLeft(clock, clock.running == 0, now);
  clock.paused = true;
}

void resumeClock(GameClock& clock, double now) {
  if (!clock.paused) return;
  clock.paused = false;
  clock.runningSince = now;
}

void setClockTimes(GameClock& clock, double whiteLeft, double blackLeft) {
  clock.running = -1;
  clock.paused = false;
  clock.left[0] = whiteLeft;
  clock.left[1] = blackLeft;
}
