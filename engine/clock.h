// Seconds on a clock that only runs forward, for timing moves, pauses and runs.
#pragma once
#include <chrono>

inline double wallClock() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}
