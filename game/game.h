// One game between two players, driven by events: a move handed in, a draw offer and its
// answer, a cancel, the end of a move's display pause. It gives the turn to the side to move, plays the moves,
// carries draw offers, detects the end and reports to its log. Its owner releases it.
#pragma once
#include <functional>
#include <vector>
#include "engine/clock.h"
#include "game/game_clock.h"
#include "game/game_record.h"
#include "game/game_setup.h"
#include "game/interfaces.h"
#include "player/message_log.h"

enum GameResult { InPlay = 0, Won = 1, Drawn = 2, Canceled = 3 };

class Game : public PlayerHost {
public:
  MessageLog* log = &SilentLog;          // not owned
  GameView* view = nullptr;              // not owned
  std::vector<GameListener*> listeners;  // told after every change of turn or result; not owned
  GameRecord record;
  bool drawRules = true;  // the draw rules end the game on their own (off only to measure them)
  // A side with one legal move plays it at once; an analysis board, where a person steps back
  // and forth through the moves, waits for it instead.
  bool playsForcedMoves = true;
  std::function<double()> clockTime = wallClock;  // what the clocks read, in seconds

  // Sets each player's game. The game owns both players and deletes them with itself.
  // The players were made from `setup` (see game/player_factory.h), which starts the game.
  Game(const GameSetup& setup, Player* white, Player* black);
  // Players made by hand: the setup names two people.
  Game(Player* white, Player* black, const Position& start = InitialPosition);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;
  virtual ~Game();

  // Posts "New game start." and gives the first turn; with two players that move at once,
  // and pauses that end at once, the whole game.
  void startGame();
  // Plays a move of the current list (or a copy of one) for the side to move.
  void playMove(const Move& move) override;
  // The side to move offers a draw; true if the other player accepted at once. A person is
  // asked instead: the question stays open (drawQuestionOpen) until answerDraw.
  bool offerDraw() override;
  // A person's answer to the open draw question; without an open question it changes nothing.
  void answerDraw(bool accepted);
  // Ends the game: no further turn, a running pause and a pending decision are dropped.
  void cancelGame();
  // The display pause after a move is over; the next turn begins.
  void pauseEnded();
  // Removes the last `plies` moves (kept for replay): a pause, a thinking computer and a
  // person's selection are dropped, an ended game is in play again, the turn is given anew.
  void takeBack(int plies);
  // Plays the first `plies` taken-back moves again at once, then gives the turn.
  void replay(int plies);
  // The side to move gives the game up.
  void resign();
  // The game waits as it stands while the window shows something else: a pause, a player's turn
  // (a thinking computer) and the board's input stop. A game on a clock stops its clock here.
  // False (nothing changes) while a draw question is open or inside a player's call.
  bool suspend();
  // After suspend(): the board shows the game again and the side to move gets the turn anew.
  void resume();
  // Before the start: the game is over as its saved game says (Won or Drawn). The start
  // posts the result line and gives no turn; take back brings it into play.
  void endAs(GameResult result, bool whiteWins);
  // Of a game on a clock: the side to move whose time ran out loses. The owner calls it
  // while a clock runs; a move handed in late loses the same way.
  void checkFlag();
  // Holds both clocks and the turn (a thinking computer stops), or gives the turn again.
  void holdClock(bool hold);

  // The clocks as they stand; clockTime() gives their `now`.
  const GameClock& clock() const { return clocks; }
  bool clockHeld() const { return held; }
  // Of a won game: the loser's time ran out.
  bool lostOnTime() const { return timeLoss; }

  // How the game started: who plays each side, with what level and time.
  const GameSetup& setup() const { return startedAs; }
  Player* whitePlayer() const { return players[0]; }
  Player* blackPlayer() const { return players[1]; }
  Player* playerToMove() const { return players[whiteToMove() ? 0 : 1]; }
  const MoveList& moves() const override { return moveList; }
  int moveCount() const { return moveList.size(); }
  GameResult result() const { return outcome; }
  // Of a won game: White is the winner.
  bool whiteWon() const { return winnerIsWhite; }
  // The draw rule that ended the game; NoRule while in play and after any other ending.
  DrawRule drawRule() const { return endingRule; }
  bool started() const { return begun; }
  // A move is on display; the next turn waits for the pause to end.
  bool pausing() const { return pauseRunning; }
  // The player to move has the turn and no move has arrived yet.
  bool awaitingMove() const { return asked && !pauseRunning && !questionOpen && outcome == InPlay; }
  // A draw offer waits for a person's answer: no move, take back, replay or resignation
  // happens until it comes.
  bool drawQuestionOpen() const override { return questionOpen; }
  // Of an open question: White offered the draw.
  bool drawOfferedByWhite() const { return offeredByWhite; }
  Position currentPosition() const override { return record.currentPosition(); }
  bool whiteToMove() const { return currentPosition().whiteToMove; }
  SquareSet emptySquares() const { return currentPosition().empty(); }

  // What the players read of the game besides the above.
  bool gameOver() const override { return outcome != InPlay; }
  bool isRepetition() const override { return record.isRepetition(); }
  std::vector<Position> positionsBefore() const override;
  DrawState drawState() const override;
  bool moverClock(ClockSituation& situation) const override;
  MessageLog& messageLog() override { return *log; }

protected:
  // Shows a move for `seconds`; pauseEnded() must follow, at once or later.
  // This version ends the pause at once.
  virtual void pause(double seconds);
  // Drops a running pause without calling pauseEnded().
  virtual void stopPause() {}

private:
  static constexpr double MoveDisplaySeconds = 0.2;
  static constexpr double ForcedMoveSeconds = 0.5;

  GameSetup startedAs;
  GameClock clocks;
  bool held = false;      // the clock is paused: no turn is given
  bool timeLoss = false;  // the game was lost on time
  Player* players[2];
  MoveList moveList;
  GameResult outcome = InPlay;
  DrawRule endingRule = DrawRule::NoRule;
  bool begun = false;
  bool asked = false;         // the player to move was given the turn and owes a move
  bool pauseRunning = false;
  bool forcedPausePending = false;  // after a forced move's display, the longer forced pause
  bool advancing = false;     // inside advance(): a move handed in during a player call continues it
  bool reported = false;      // the result line was posted
  bool winnerIsWhite = false; // of a won game
  bool questionOpen = false;  // a draw offer waits for a person's answer
  bool offeredByWhite = false;
  bool offerInTurn = false;   // the open offer came from inside the mover's turn, which resumes on a refusal

  void refreshMoves();
  void interruptTurn();
  void restartFromRecord();
  void advance();
  void apply(const Move& move, bool forced);
  void applyDrawRules();
  void beginPause(double seconds);
  void finish();
  void loseOnTime(bool white);
  void restoreClocks();
  void notify();
  void settleDrawOffer(bool offeredByWhite, bool accepted);
  // Inside a player's call or waiting for a draw answer: the position must not change.
  bool busy() const { return advancing || questionOpen; }
};
