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
    : record(setup.start),
      startedAs(setup),
      clocks(newGameClock(setup.white.clock, setup.black.clock)),
      players{white, black},
      moveList(setup.start) {
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

bool Game::moverClock(ClockSituation& situation) const {
  const bool white = whiteToMove();
  if (!clocks.onClock(white)) return false;
  const Position now = currentPosition();
  situation.timeLeft = timeLeft(clocks, white, clockTime());
  situation.increment = clocks.control[white ? 0 : 1].increment;
  situation.movesPlayed = record.count();
  situation.pieces = popCount(now.white | now.black);
  return true;
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
  restoreClocks();  // an opened game resumes with the clocks its moves left
  applyDrawRules();
  if (outcome != InPlay) finish();  // a saved game that is over
  advance();
}

// Gives turns until one has to wait: for a move from outside, for a pause, or for the end.
// A move handed in during a player's call lands here again, and the loop goes on.
void Game::advance() {
  if (!begun || advancing) return;
  advancing = true;
  while (outcome == InPlay && !pauseRunning && !asked && !held && moveList.size() != 0) {
    if (moveList.size() == 1 && playsForcedMoves) {
      log->post(moveLine(LineTopic::ForcedMove, whiteToMove(), moveList[0]));
      apply(moveList[0], true);
      continue;
    }
    asked = true;
    startClock(clocks, whiteToMove(), clockTime());
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
  stopClock(clocks, clockTime());
  held = false;
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
  const bool mover = whiteToMove();
  // A forced move the game plays itself costs no time; a move handed in late loses.
  double clockLeft = clocks.onClock(mover) ? clocks.left[mover ? 0 : 1] : -1;
  if (!forced) {
    const double now = clockTime();
    if (clocks.running == (mover ? 0 : 1) && flagFell(clocks, now)) {
      loseOnTime(mover);
      return;
    }
    clockLeft = completeMove(clocks, mover, now);
  }
  record.append(move);
  record.last()->clockLeft = clockLeft;
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
  held = false;
  stopClock(clocks, clockTime());
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
  stopClock(clocks, clockTime());
}

// The record changed under the game: the position it shows and the turn start again.
void Game::restartFromRecord() {
  outcome = InPlay;
  timeLoss = false;
  restoreClocks();
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
  // The replayed moves' entries come back whole, with the clocks they left.
  for (int i = 0; i < plies; ++i) record.append(record.takenBack().front());
  log->post(MsgMove, replayText(plies).c_str());
  restartFromRecord();
}

void Game::resign() {
  if (outcome != InPlay || busy()) return;
  interruptTurn();
  const bool black = !whiteToMove();
  held = false;
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
  if (begun && outcome != Canceled) {
    pauseClock(clocks, clockTime());  // the clock waits with the game
    interruptTurn();
  }
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

void Game::checkFlag() {
  if (outcome == InPlay && !busy() && flagFell(clocks, clockTime())) loseOnTime(clocks.running == 0);
}

void Game::loseOnTime(bool white) {
  interruptTurn();
  stopClock(clocks, clockTime());
  log->post(lostOnTimeLine(white));
  log->post(MsgResult, white ? _("Black wins!") : _("White wins!"));
  outcome = Won;
  winnerIsWhite = !white;
  timeLoss = true;
  held = false;
  reported = true;
  notify();
}

void Game::holdClock(bool hold) {
  if (hold == held || (hold && (outcome != InPlay || busy()))) return;
  held = hold;
  if (hold) {
    pauseClock(clocks, clockTime());
    interruptTurn();  // a thinking computer stops and searches again on resume
    notify();
  } else {
    advance();  // the turn is given again and the clock runs on from what it held
    notify();
  }
}

// Each side's clock as its last move in the record left it, else full.
void Game::restoreClocks() {
  double left[2] = {clocks.control[0].gameSeconds, clocks.control[1].gameSeconds};
  bool found[2] = {false, false};
  for (int i = record.count() - 1; i >= 0 && !(found[0] && found[1]); --i) {
    const HistoryEntry& entry = record.entry(i);
    const int side = entry.whiteToMove() ? 1 : 0;  // the mover is the side not to move after it
    if (found[side] || entry.clockLeft < 0) continue;
    found[side] = true;
    left[side] = entry.clockLeft;
  }
  setClockTimes(clocks, left[0], left[1]);
}

void Game::endAs(GameResult result, bool whiteWins) {
  if (begun || (result != Won && result != Drawn)) return;
  outcome = result;
  winnerIsWhite = whiteWins;
}
