// The status line under the board: whose turn it is, how far the computer's search has got,
// the result when the game is over, and a hint the person asked for.
#pragma once
#include <string>
#include "engine/draw_rules.h"
#include "game/interfaces.h"

struct StatusFacts {
  bool hasGame = false;
  int result = 0;  // GameResult
  bool blackToMove = false;
  ThinkingState thinking;  // of the player to move
  bool analysing = false;  // the history's analysis is running
  DrawState draws;         // the draw rules' counts in the current position
  std::string hint;        // "Hint: c3-d4" while the hinted position waits for the move; "" for none
  bool whiteWon = false;   // of a won game
  bool clockHeld = false;  // the clock is paused
};

std::string statusText(const StatusFacts& facts);

// The status line of the analysis board: whose move it is there, and its analysis's depth and
// speed (`speed`, "" before the first report).
std::string analysisBoardStatus(bool blackToMove, const std::string& speed);
