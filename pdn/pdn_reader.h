// Reading saved games: one or more games of a PDN file, or the first fault in it.
#pragma once
#include <string>
#include <vector>
#include "pdn/pdn_game.h"

struct PdnFault {
  int line = 0;        // 1-based; 0 when the fault concerns the file as a whole
  std::string reason;  // one line, such as "illegal move c3-d5"
  std::string describe() const;  // "line 12: illegal move c3-d5"
};

struct PdnReading {
  std::vector<PdnGame> games;  // on a fault: the games complete before it
  PdnFault fault;
  bool ok() const { return fault.reason.empty(); }
};

PdnReading readPdn(const std::string& text);
PdnReading readPdnFile(const std::string& path);
