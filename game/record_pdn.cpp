#include "game/record_pdn.h"

PdnGame recordToPdn(const GameRecord& record, PdnResult result, const std::string& white, const std::string& black) {
  PdnGame game;
  game.setTag("White", white);
  game.setTag("Black", black);
  game.start = record.startPosition();
  game.moves = record.moves();
  game.result = result;
  return game;
}

void appendPdnMoves(GameRecord& record, const PdnGame& game) {
  for (const Move& move : game.moves) record.append(move);
}
