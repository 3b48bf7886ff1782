// The two clocks of a timed game as plain data, and what happens to them, with the time
// passed in by the caller (seconds from any fixed point), so that nothing here reads a clock.
// At most one side's clock runs; a pause holds it without giving the turn away.
#pragma once
#include "game/time_control.h"

struct GameClock {
  TimeControl control[2];  // White's, Black's; a side without a clock never runs nor falls
  double left[2] = {0, 0}; // seconds left, as they stood when the running clock started
  int running = -1;        // 0 White, 1 Black, -1 neither
  double runningSince = 0;
  bool paused = false;     // the running side's clock is held

  bool onClock(bool white) const { return control[white ? 0 : 1].onClock(); }
  bool anyOnClock() const { return control[0].onClock() || control[1].onClock(); }
};

// Both clocks full and stopped.
GameClock newGameClock(const TimeControl& white, const TimeControl& black);
// The side's time left at `now`, its running time charged; never below 0.
double timeLeft(const GameClock& clock, bool white, double now);
// The side's clock runs from `now` (the other one stops, charged); a side without a clock does nothing.
void startClock(GameClock& clock, bool white, double now);
// The running clock stops with its time charged.
void stopClock(GameClock& clock, double now);
// The side handed in its move at `now`: its clock stops and gains the increment. The time
// left after it, or -1 for a side without a clock.
double completeMove(GameClock& clock, bool white, double now);
// The running side has no time left at `now`.
bool flagFell(const GameClock& clock, double now);
// Holds and releases the running clock; the running side keeps the turn.
void pauseClock(GameClock& clock, double now);
void resumeClock(GameClock& clock, double now);
// Both clocks stopped at the given times (a taken-back or a saved game's position).
void setClockTimes(GameClock& clock, double whiteLeft, double blackLeft);
