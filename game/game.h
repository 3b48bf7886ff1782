// One game between two players: gives the turn to the side to move, plays the moves
// handed back, carries draw offers, detects the end and reports to its log.
#pragma once
#include <vector>
#include "game/game_record.h"
#include "game/interfaces.h"
#include "game/message_log.h"

enum TurnState { Asking = 0, Waiting = 1, Moved = 2 };
enum GameResult { InPlay = 0, Won = 1, Drawn = 2, Canceled = 3 };

class Game {
public:
  MessageLog* log = &SilentLog;          // not owned
  GameView* view = nullptr;              // not owned
  std::vector<GameListener*> listeners;  // told before the game deletes itself; not owned
  GameRecord record;

  // Sets each player's game. The game owns both players and deletes them with itself.
  Game(Player* white, Player* black, const Position& start = InitialPosition);
  // Waits while a move is on display; true if the game was canceled meanwhile.
  // This version does not wait.
  virtual bool pause(double seconds);
  virtual ~Game();

  // Posts "New game start." and runs the turns; with two computers the whole game.
  void startGame();
  // Plays a move of the current list (or a copy of one). May delete the game.
  void playMove(const Move& move);
  // The side to move offers a draw; true if the other player accepted.
  bool offerDraw();
  // Ends the game; it deletes itself as soon as no player call or move is under way.
  void cancelGame();

  Player* whitePlayer() const { return players[0]; }
  Player* blackPlayer() const { return players[1]; }
  const MoveList& moves() const { return moveList; }
  int moveCount() const { return moveList.size(); }
  TurnState turnState() const { return turn; }
  GameResult result() const { return outcome; }
  Position currentPosition() const { return record.currentPosition(); }
  bool whiteToMove() const { return currentPosition().whiteToMove; }
  SquareSet emptySquares() const { return currentPosition().empty(); }

private:
  Player* players[2];
  MoveList moveList;
  TurnState turn = Asking;
  GameResult outcome = InPlay;
  int busy = 0;  // moves being displayed and draw questions open; the game is not deleted under them

  void refreshMoves();
  void runTurns();
  void resumeIfIdle();
};
