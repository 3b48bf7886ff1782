#include "game/record_pdn.h"

PdnGame recordToPdn(const GameRecord& record, PdnResult result, const std::string& white, const std::string& black) {
  PdnGame game;
  game.tags = record.fileTags;
  if (!game.hasTag("White")) game.setTag("White", white);
  if (!game.hasTag("Black")) game.setTag("Black", black);
  game.start = record.startPosition();
  game.moves = record.moves();
  game.openingNotes = record.openingNotes;
  for (int i = 0; i < record.count(); ++i)
    if (!record.entry(i).notes.empty()) {
      game.moveNotes.resize(i + 1);
      game.moveNotes[i] = record.entry(i).notes;
    }
  game.result = result;
  return game;
}

void appendPdnMoves(GameRecord& record, const PdnGame& game) {
  record.fileTags = game.tags;
  record.openingNotes = game.openingNotes;
  for (size_t i = 0; i < game.moves.size(); ++i) {
    record.append(game.moves[i]);
    record.last()->notes = game.notesAfter(i);
  }
}
