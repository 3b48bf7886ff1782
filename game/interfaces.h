// The small interfaces through which a game meets its players, its board and its owner.
#pragma once
#include "engine/board.h"

class Game;

class Player {
public:
  Game* game = nullptr;  // set by the game's constructor

  virtual ~Player() = default;
  // Either hands a move of game->moves to game->playMove before returning, or arms the
  // board and returns, handing the move later. playMove may end with the game and both
  // players deleted (a cancel during the move's display): touch nothing after it.
  virtual void takeTurn() = 0;
  // The other side offers a draw; true accepts it.
  virtual bool acceptDraw() = 0;
};

class GameView {
public:
  // Shows the position with the `crossed` squares marked as captured.
  virtual void showPosition(const Position& position, SquareSet crossed) = 0;
  // Frames the origin and destination square (indices 0..31) of the move just played.
  virtual void markSquares(int from, int to) = 0;
  // Stops passing board input to a player.
  virtual void detachInput() = 0;
  virtual ~GameView() = default;
};

class GameListener {
public:
  // Called just before the game deletes itself.
  virtual void gameDeleted(Game* game) = 0;
  virtual ~GameListener() = default;
};
