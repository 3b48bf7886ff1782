// Processor time of this process, so that other work on the machine does not count.
#pragma once
#include <ctime>

inline double cpuSeconds() {
  timespec now;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return now.tv_sec + now.tv_nsec / 1e9;
}
