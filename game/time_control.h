// A side's time control: seconds per move (no clock), or a clock of so many seconds for the
// game with an increment added after each move. Written as PDN's TimeControl tag writes it:
// "300+3" (five minutes plus three seconds a move), "300" (five minutes).
#pragma once
#include <string>

struct TimeControl {
  double gameSeconds = 0;  // 0: no clock, the computer thinks its seconds per move
  double increment = 0;    // seconds added after each move

  bool onClock() const { return gameSeconds > 0; }
  bool operator==(const TimeControl& other) const {
    return gameSeconds == other.gameSeconds && increment == other.increment;
  }
  bool operator!=(const TimeControl& other) const { return !(*this == other); }
};

// The longest clock a game takes: ten hours; the largest increment: ten minutes.
constexpr double MaxClockSeconds = 36000;
constexpr double MaxIncrementSeconds = 600;

// "300+3", "300", "10+0.1"; "-" for no clock, as PDN and the settings file write it.
std::string timeControlText(const TimeControl& control);
// Reads what timeControlText writes (also "-" and "" for no clock); false for anything else,
// or values out of range, and `control` stays as it was.
bool parseTimeControl(const std::string& text, TimeControl& control);
