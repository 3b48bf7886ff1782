// The openings a match starts its games from: one per line, as moves from the initial
// position ("c3-d4 f6-e5 ...", in saved games' notation) or as a FEN; '#' starts a comment.
#pragma once
#include <string>
#include <vector>
#include "engine/board.h"
#include "files/file_locations.h"

struct Opening {
  Position start;
  int plies = -1;  // moves played from the initial position; -1 for a FEN
  int line = 0;    // in the file, from 1
};

// One line without its comment; false with the reason in `error` (blank lines are not openings).
bool readOpeningLine(const std::string& text, Opening& opening, std::string& error);
// Every opening of the file; false with "FILE:LINE: reason" (or "FILE: reason") in `error`.
bool readOpeningsFile(const std::string& path, std::vector<Opening>& openings, std::string& error);
// The shipped openings.txt: beside the installed book, else the source tree's book/;
// "" when there is none.
std::string defaultOpeningsFile(const FileEnvironment& environment);
