// The small interfaces through which a game meets its board and its owner; its players
// meet it through player/player.h.
#pragma once
#include "engine/board.h"
#include "player/player.h"
#include "game/last_move.h"

class Game;

class GameView {
public:
  // Shows the position with the `crossed` squares marked as captured.
  virtual void showPosition(const Position& position, SquareSet crossed) = 0;
  // Frames the origin and destination square (indices 0..31) of the move just played.
  virtual void markSquares(int from, int to) = 0;
  // Stops passing board input to a player.
  virtual void detachInput() = 0;
  // Marks the last move until the next one; `played` when it was just played, not when the
  // record changed under the game (a take back) or a game was resumed.
  virtual void showLastMove(const LastMove& last, bool played) { (void)last, (void)played; }
  // The game ended by a win or a draw (not by a cancel).
  virtual void gameEnded() {}
  virtual ~GameView() = default;
};

class GameListener {
public:
  // Called after a move, the start of a turn, the end of the game or its cancel.
  virtual void gameChanged(Game& game) = 0;
  virtual ~GameListener() = default;
};
