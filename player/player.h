// How a game and its players meet: the player takes its turn, and reaches the game only
// through the small host below, so that players know nothing of how a game is kept.
#pragma once
#include <vector>
#include "engine/draw_rules.h"
#include "engine/movelist.h"
#include "player/message_log.h"
#include "search/evaluation.h"
#include "search/time_manager.h"

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

// What a player needs from the game it plays in.
class PlayerHost {
public:
  virtual Position currentPosition() const = 0;
  // The legal moves of the side to move.
  virtual const MoveList& moves() const = 0;
  // Plays a move of the current list (or a copy of one) for the side to move.
  virtual void playMove(const Move& move) = 0;
  // The side to move offers a draw; true if the other player accepted at once. A person is
  // asked instead: the question stays open (drawQuestionOpen) until answered.
  virtual bool offerDraw() = 0;
  // A draw offer waits for a person's answer: no move is taken until it comes.
  virtual bool drawQuestionOpen() const = 0;
  // The game ended (won, drawn or canceled).
  virtual bool gameOver() const = 0;
  // The last position occurred before with the same side to move.
  virtual bool isRepetition() const = 0;
  // The positions before each move played so far, oldest first.
  virtual std::vector<Position> positionsBefore() const = 0;
  // The draw rules' counts after the last move; `off` when the game does not apply the rules.
  virtual DrawState drawState() const = 0;
  // Where the player reports what it decided.
  virtual MessageLog& messageLog() = 0;
  // The mover's clock as the computer plans its time by it; false for a side without a clock.
  virtual bool moverClock(ClockSituation&) const { return false; }

protected:
  ~PlayerHost() = default;
};

class Player {
public:
  PlayerHost* game = nullptr;  // set by the game's constructor

  virtual ~Player() = default;
  // Either hands a move of game->moves() to game->playMove before returning, or arms the
  // board or starts a search and returns, handing the move later.
  virtual void takeTurn() = 0;
  // The other side offers a draw; true accepts it. Not asked of a player that asksPerson().
  virtual bool acceptDraw() { return false; }
  // A person answers draw offers: the game opens a question that its owner shows, and the
  // answer comes back later through the game.
  virtual bool asksPerson() const { return false; }
  // The game no longer wants a move from this player (canceled): a pending one is dropped.
  virtual void dropTurn() {}
  // Plays the best move found so far at once, if the player is thinking.
  virtual void moveNow() {}
  virtual ThinkingState thinkingState() const { return {}; }
};
