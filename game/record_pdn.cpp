#include "game/record_pdn.h"
#include "game/clock_comment.h"

PdnGame recordToPdn(const GameRecord& record, PdnResult result, const std::string& white, const std::string& black) {
  PdnGame game;
  game.tags = record.fileTags;
  if (!game.hasTag("White")) game.setTag("White", white);
  if (!game.hasTag("Black")) game.setTag("Black", black);
  game.start = record.startPosition();
  game.moves = record.moves();
  game.openingNotes = record.openingNotes;
  for (int i = 0; i < record.count(); ++i) {
    const HistoryEntry& entry = record.entry(i);
    if (entry.notes.empty() && entry.clockLeft < 0) continue;
    game.moveNotes.resize(i + 1);
    game.moveNotes[i] = entry.notes;
    if (entry.clockLeft >= 0) putClockComment(game.moveNotes[i], entry.clockLeft);
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
    readClockComment(record.last()->notes, record.last()->clockLeft);
  }
}
