#include "game/game.h"
#include <string>
#include "game/message_text.h"
#include "i18n/translate.h"

namespace {

GameSetup peopleFrom(const Position& start) {
  GameSetup setup;
  setup.start = start;
  return setup;
}

}  // namespace

Game::Game(const GameSetup& setup, Player* white, Player* black)
    : record(setup.start), startedAs(setup), players{white, black}, moveList(setup.start) {
  for (Player* player : players)
    if (player) player->game = this;
}

Game::Game(Player* white, Player* black, const Position& start) : Game(peopleFrom(start), white, black) {}

Game::~Game() {
  delete players[0];
  if (players[1] != players[0]) delete players[1];
}

void Game::pause(double) { pauseEnded(); }

std::vector<Position> Game::positionsBefore() const {
  std::vector<Position> positions;
  for (int i = 0; i < record.count(); ++i) positions.push_back(record.positionBefore(i));
  return positions;
}

DrawState Game::drawState() const {
  DrawState state = record.drawState();
  state.off = !drawRules;
  return state;
}

void Game::refreshMoves() { moveList = MoveList(currentPosition()); }

void Game::notify() {
  for (GameListener* listener : listeners) listener->gameChanged(*this);
}

void Game::startGame() {
  if (begun) return;
  begun = true;
  refreshMoves();  // an opened game's moves were added to the record before the start
  log->post(MsgEvent, _("New game start."));
  if (view) view->showLastMove(lastMoveOf(record), false);
  applyDrawRules();
  if (outcome != InPlay) finish();  // a saved game that is over
  advance();
}

// Gives turns until one has to wait: for a move from outside, for a pause, or for the end.
// A move handed in during a player's call lands here again, and the loop goes on.
void Game::advance() {
  if (!begun || advancing) return;
  advancing = true;
  while (outcome == InPlay && !pauseRunning && !asked && moveList.size() != 0) {
    if (moveList.size() == 1 && playsForcedMoves) {
      log->post(moveLine(LineTopic::ForcedMove, whiteToMove(), moveList[0]));
      apply(moveList[0], true);
      continue;
    }
    asked = true;
    // Without a player for the side, the game waits for a move from outside.
    if (Player* player = playerToMove()) player->takeTurn();
    if (asked && outcome == InPlay) notify();  // the turn goes on: a person chooses or a search runs
  }
  if (!pauseRunning && (outcome == Drawn || (outcome == InPlay && moveList.size() == 0))) {
    if (!reported && view) view->gameEnded();
    finish();
  }
  advancing = false;
}

void Game::finish() {
  if (reported) return;
  reported = true;
  if (outcome == Drawn) {
    if (endingRule != DrawRule::NoRule) log->post(MsgResult, drawRuleReasonText(endingRule).c_str());
    log->post(MsgResult, _("Game draw."));
  } else {
    if (outcome != Won) winnerIsWhite = !whiteToMove();  // the side to move has no move left
    log->post(MsgResult, winnerIsWhite ? _("White wins!") : _("Black wins!"));
    outcome = Won;
  }
  notify();
}

void Game::playMove(const Move& handed) {
  // A move that arrives after the end, during a display or a draw question, or that is not in
  // the list changes nothing.
  if (outcome != InPlay || pauseRunning || questionOpen) return;
  for (const Move& move : moveList)
    if (move == handed) {
      apply(handed, false);
      return;
    }
}

void Game::apply(const Move& played, bool forced) {
  const Move move = played;  // the list it may come from is replaced below
  const Position before = currentPosition();
  record.append(move);
  asked = false;
  refreshMoves();
  applyDrawRules();
  if (view) {
    view->showPosition(move.after, move.captured);
    view->markSquares(squareIndex(move.from), squareIndex(move.to));
    view->showLastMove(lastMoveOf(before, move), true);
  }
  notify();
  forcedPausePending = forced && view;
  if (view) beginPause(MoveDisplaySeconds);
  else if (forced) beginPause(ForcedMoveSeconds);
  else advance();
}

// A position past a count, or seen for the third time, ends the game as a draw, unless the
// side to move has no move left and has lost.
void Game::applyDrawRules() {
  if (!drawRules || outcome != InPlay || moveList.size() == 0) return;
  const DrawRule rule = record.drawRuleReached();
  if (rule == DrawRule::NoRule) return;
  outcome = Drawn;
  endingRule = rule;
}

void Game::beginPause(double seconds) {
  pauseRunning = true;
  pause(seconds);  // may end it at once
}

void Game::pauseEnded() {
  if (!pauseRunning) return;
  pauseRunning = false;
  if (forcedPausePending) {
    forcedPausePending = false;
    beginPause(ForcedMoveSeconds);
    return;
  }
  advance();
}

bool Game::offerDraw() {
  // An ended game stays as it ended; one offer at a time.
  if (outcome != InPlay || pauseRunning || questionOpen) return false;
  const bool white = whiteToMove();
  Player* other = players[white ? 1 : 0];
  if (!other) return false;
  if (other->asksPerson()) {
    questionOpen = true;
    offeredByWhite = white;
    offerInTurn = advancing;
    notify();
    return false;
  }
  const bool accepted = other->acceptDraw();
  if (outcome != InPlay) return false;
  settleDrawOffer(white, accepted);
  return accepted;
}

void Game::answerDraw(bool accepted) {
  if (!questionOpen) return;
  questionOpen = false;
  if (outcome != InPlay) return;
  settleDrawOffer(offeredByWhite, accepted);
  if (accepted) return;
  if (offerInTurn) {  // the mover offered in its turn and still owes the move
    asked = false;
    advance();
  } else {
    notify();
  }
}

void Game::settleDrawOffer(bool white, bool accepted) {
  log->post(drawOfferLine(white, accepted));
  if (!accepted) return;
  outcome = Drawn;
  if (Player* mover = playerToMove()) mover->dropTurn();
  advance();  // inside a turn the running loop posts the result itself
}

void Game::cancelGame() {
  if (outcome == Canceled) return;
  if (view) view->detachInput();
  if (outcome == InPlay && moveList.size() != 0) log->post(MsgEvent, _("Game was canceled."));
  outcome = Canceled;
  questionOpen = false;  // an answer that comes later finds no question
  if (pauseRunning) {
    pauseRunning = forcedPausePending = false;
    stopPause();
  }
  for (Player* player : players)
    if (player) player->dropTurn();
  notify();
}

// Stops whatever runs for the current position: a pause, a player's turn, the board's input.
void Game::interruptTurn() {
  if (pauseRunning) {
    pauseRunning = forcedPausePending = false;
    stopPause();
  }
  for (Player* player : players)
    if (player) player->dropTurn();
  if (view) view->detachInput();
  asked = false;
}

// The record changed under the game: the position it shows and the turn start again.
void Game::restartFromRecord() {
  outcome = InPlay;
  endingRule = DrawRule::NoRule;
  reported = false;
  refreshMoves();
  applyDrawRules();
  resume();
}

void Game::takeBack(int plies) {
  if (!begun || outcome == Canceled || busy() || plies <= 0 || plies > record.count()) return;
  interruptTurn();
  record.takeBack(plies);
  log->post(MsgMove, takeBackText(plies).c_str());
  restartFromRecord();
}

void Game::replay(int plies) {
  if (!begun || outcome == Canceled || busy() || plies <= 0 || plies > (int)record.takenBack().size()) return;
  interruptTurn();
  for (int i = 0; i < plies; ++i) record.append(record.takenBack().front());
  log->post(MsgMove, replayText(plies).c_str());
  restartFromRecord();
}

void Game::resign() {
  if (outcome != InPlay || busy()) return;
  interruptTurn();
  const bool black = !whiteToMove();
  log->post(resignationLine(!black));
  log->post(MsgResult, black ? _("White wins!") : _("Black wins!"));
  outcome = Won;
  winnerIsWhite = black;
  reported = true;
  if (view) view->gameEnded();
  notify();
}

bool Game::suspend() {
  if (busy()) return false;
  if (begun && outcome != Canceled) interruptTurn();
  return true;
}

void Game::resume() {
  if (!begun || outcome == Canceled) return;
  if (view) {
    const HistoryEntry* last = record.last();
    view->showPosition(currentPosition(), 0);
    if (last) view->markSquares(squareIndex(last->move.from), squareIndex(last->move.to));
    else view->markSquares(-1, -1);
    view->showLastMove(lastMoveOf(record), false);
  }
  notify();
  advance();
}

void Game::endAs(GameResult result, bool whiteWins) {
  if (begun || (result != Won && result != Drawn)) return;
  outcome = result;
  winnerIsWhite = whiteWins;
}
