#include "game/game.h"

Game::Game(Player* white, Player* black, const Position& start)
    : record(start), players{white, black}, moveList(start) {
  for (Player* player : players)
    if (player) player->game = this;
}

Game::~Game() {
  delete players[0];
  if (players[1] != players[0]) delete players[1];
}

bool Game::pause(double) { return outcome == Canceled; }

void Game::refreshMoves() {
  moveList = MoveList(currentPosition());
}

void Game::startGame() {
  log->post(MsgEvent, "", "New game start.");
  runTurns();
}

void Game::runTurns() {
  while (outcome == InPlay && moveList.size() != 0) {
    turn = Asking;
    if (moveList.size() == 1) {
      char text[] = "      - forced move";
      moveList[0].writeNotation(text);
      log->postMove(sidePrefix(!whiteToMove()), text);
      playMove(moveList[0]);
      pause(0.5);
    } else if (Player* player = players[whiteToMove() ? 0 : 1]) {
      player->takeTurn();
    }  // without a player for the side, the game waits for a move from outside
    if (outcome != InPlay || moveList.size() == 0) break;
    if (turn == Asking) {
      turn = Waiting;
      return;
    }
  }
  switch (outcome) {
    case Drawn:
      log->post(MsgResult, "", "Game draw.");
      turn = Waiting;
      return;
    case InPlay:
      log->post(MsgResult, "", whiteToMove() ? "Black wins!" : "White wins!");
      outcome = Won;
      turn = Waiting;
      return;
    case Won:
      return;
    case Canceled:
      for (GameListener* listener : listeners) listener->gameDeleted(this);
      log->post(MsgDebug, "", "Game will be deleted.");
      delete this;
      return;
  }
}

// Picks the loop up again after a move, offer or cancel that arrived from outside it.
// An operation further up the call stack does this itself when it ends, so that the
// game is never deleted under it. May delete the game.
void Game::resumeIfIdle() {
  if (turn == Waiting && busy == 0) runTurns();
}

void Game::playMove(const Move& handed) {
  if (outcome != InPlay) return;  // a move that arrives after the end changes nothing
  const Move move = handed;  // the list it may come from is replaced below
  record.append(move);
  if (view) {
    view->showPosition(move.after, move.captured);
    view->markSquares(squareIndex(move.from), squareIndex(move.to));
    ++busy;
    const bool canceled = pause(0.2);
    --busy;
    if (canceled) {
      resumeIfIdle();
      return;
    }
  }
  refreshMoves();
  if (turn == Waiting)
    resumeIfIdle();
  else
    turn = Moved;
}

bool Game::offerDraw() {
  if (outcome != InPlay) return false;  // an ended game stays as it ended
  const bool black = !whiteToMove();
  const char* offering = sidePrefix(black);
  const char* asked = sidePrefix(!black);
  ++busy;
  const bool accepted = players[black ? 0 : 1]->acceptDraw();
  --busy;
  if (outcome == Canceled) {  // canceled while the question was open
    resumeIfIdle();
    return false;
  }
  if (!accepted) {
    log->postFormatted(offering, "offered draw but %srefused.", asked);
    return false;
  }
  outcome = Drawn;
  log->postFormatted(offering, "offered draw and %saccept.", asked);
  resumeIfIdle();
  return true;
}

void Game::cancelGame() {
  if (view) view->detachInput();
  if (outcome == InPlay && moveList.size() != 0) log->post(MsgEvent, "", "Game was canceled.");
  outcome = Canceled;
  resumeIfIdle();
}
