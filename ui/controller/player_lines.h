// The lines above and below the board in a game on a clock: each side's name with its
// clock, which side is to move, and which clock is running low.
#pragma once
#include <string>

class Game;

struct PlayerLine {
  std::string name;   // the player's name, else "White", "Black" or "Computer (strong)"
  std::string clock;  // "4:57", "0:09.3"; "" for a side without a clock
  bool toMove = false;
  bool low = false;   // under 10 s
};

struct PlayerLines {
  bool shown = false;  // only games on a clock show them
  PlayerLine white, black;
  bool operator==(const PlayerLines& other) const;
};

// Seconds under which a clock shows tenths and turns red.
constexpr double LowClockSeconds = 10;

// "1:02:03", "4:57", "0:09.3": hours only when there are any, tenths under 10 s, every
// figure rounded down so that a clock never shows more time than it has.
std::string clockDisplayText(double seconds);
// The lines for a game at `now` on its clocks.
PlayerLines playerLines(const Game& game, double now);
