// How long the computer thinks on a clock: a share of the time left plus most of the
// increment, more in the middle game, less where the end-game database has already chosen
// the moves worth playing, and never the last seconds, which stay for the moves to come.
#pragma once

struct ClockSituation {
  double timeLeft = 0;   // seconds on the mover's clock
  double increment = 0;  // seconds added after each move
  int movesPlayed = 0;   // plies of the game so far
  int pieces = 24;       // men and kings on the board
  bool databaseChose = false;  // every move left to choose from keeps the database's result
};

// The seconds to plan for this move: at most a third of the time left above the reserve
// (0 on an empty clock).
double clockMoveSeconds(const ClockSituation& situation);
// The time never planned for, kept against a slow machine: 1 s and five increments, at most
// three quarters of the clock.
double clockReserve(double timeLeft, double increment);
