// The small interfaces through which a game meets its players, its board and its owner.
#pragma once
#include "engine/board.h"
#include "game/last_move.h"
#include "search/evaluation.h"

class Game;

// What a thinking player shows in the status line: the last completed depth, its value,
// the time used and the time allowed.
struct ThinkingState {
  bool thinking = false;
  int depth = 0;
  Score eval = 0;
  double elapsed = 0;
  double allowed = 0;
  Evaluation evaluation = Evaluation::Material;  // what judged it; the material count shows whole men
};

class Player {
public:
  Game* game = nullptr;  // set by the game's constructor

  virtual ~Player() = default;
  // Either hands a move of game->moves() to game->playMove before returning, or arms the
  // board or starts a search and returns, handing the move later.
  virtual void takeTurn() = 0;
  // The other side offers a draw; true accepts it. Not asked of a player that asksPerson().
  virtual bool acceptDraw() { return false; }
  // A person answers draw offers: the game opens a question that its owner shows, and the
  // answer comes back later through Game::answerDraw.
  virtual bool asksPerson() const { return false; }
  // The game no longer wants a move from this player (canceled): a pending one is dropped.
  virtual void dropTurn() {}
  // Plays the best move found so far at once, if the player is thinking.
  virtual void moveNow() {}
  virtual ThinkingState thinkingState() const { return {}; }
};

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
