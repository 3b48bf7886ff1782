#include "player/human_player.h"

void HumanPlayer::takeTurn() {
  active = true;
  resetTurn();
  if (seat) seat->listen(this);
}

void HumanPlayer::resetTurn() {
  selection.reset(game->moves());
  clearPreview();
  if (!seat) return;
  seat->showPosition(game->currentPosition(), 0);
  seat->showFrames(selection.frames());
}

void HumanPlayer::startOver() {
  if (active) resetTurn();
}

void HumanPlayer::choose(const BoardPoint& point) {
  // While a draw question is open the game takes no move.
  if (!active || !seat || point.square < 0 || game->drawQuestionOpen()) return;
  const Move* chosen = nullptr;
  if (!selection.click(point.square, point.alternative, &chosen)) return;
  if (!chosen) {  // a piece was selected: its destinations are framed now
    clearPreview();
    seat->showPosition(game->currentPosition(), 0);  // without the last piece's preview or a hint's crosses
    seat->showFrames(selection.frames());
    return;
  }
  const Move move = *chosen;  // the game replaces its move list while playing
  seat->clearFrames();
  active = false;
  game->playMove(move);
}

void HumanPlayer::pointAt(const BoardPoint& point) {
  if (!active || !selection.pieceSelected() || !seat) return;
  const Move* m = point.framed && point.square >= 0 ? selection.candidate(point.square, point.alternative) : nullptr;
  if (m) {
    if (m->after == preview.after) return;
    preview = *m;
    seat->showPosition(m->after, m->captured);
    return;
  }
  if (preview.after.white | preview.after.black) {
    clearPreview();
    seat->showPosition(game->currentPosition(), 0);
  }
}
