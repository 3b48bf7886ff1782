#include "game/record_pdn.h"
#include "pdn/clock_comment.h"

namespace {

// The moves of `entries` with their notes and side lines, added to `out`.
void lineToPdn(const RecordLine& entries, PdnLine& out) {
  for (size_t i = 0; i < entries.size(); ++i) {
    const HistoryEntry& entry = *entries[i];
    out.moves.push_back(entry.move);
    if (!entry.notes.empty() || entry.clockLeft >= 0) {
      out.moveNotes.resize(i + 1);
      out.moveNotes[i] = entry.notes;
      if (entry.clockLeft >= 0) putClockComment(out.moveNotes[i], entry.clockLeft);
    }
    if (!entry.variations.empty()) {
      out.variations.resize(i + 1);
      for (const RecordLine& line : entry.variations) {
        PdnLine variation;
        lineToPdn(line, variation);
        out.variations[i].push_back(std::move(variation));
      }
    }
  }
}

RecordLine lineFromPdn(const PdnLine& variation) {
  RecordLine line;
  for (size_t i = 0; i < variation.moves.size(); ++i) {
    auto entry = std::make_unique<HistoryEntry>();
    entry->move = variation.moves[i];
    if (i == 0) entry->notes = variation.openingNotes;  // a comment before the line's first move
    if (i < variation.moveNotes.size())
      entry->notes.insert(entry->notes.end(), variation.moveNotes[i].begin(), variation.moveNotes[i].end());
    if (i < variation.variations.size())
      for (const PdnLine& nested : variation.variations[i]) entry->variations.push_back(lineFromPdn(nested));
    line.push_back(std::move(entry));
  }
  return line;
}

}  // namespace

PdnGame recordToPdn(const GameRecord& record, PdnResult result, const std::string& white, const std::string& black) {
  PdnGame game;
  game.tags = record.fileTags;
  if (!game.hasTag("White")) game.setTag("White", white);
  if (!game.hasTag("Black")) game.setTag("Black", black);
  game.start = record.startPosition();
  game.openingNotes = record.openingNotes;
  lineToPdn(record.line(), game);
  game.result = result;
  return game;
}

void appendPdnMoves(GameRecord& record, const PdnGame& game) {
  record.fileTags = game.tags;
  record.openingNotes = game.openingNotes;
  for (size_t i = 0; i < game.moves.size(); ++i) {
    record.append(game.moves[i]);
    record.last()->notes = game.notesAfter(i);
    for (const PdnLine& variation : game.variationsAt(i)) record.last()->variations.push_back(lineFromPdn(variation));
    readClockComment(record.last()->notes, record.last()->clockLeft);
  }
}
