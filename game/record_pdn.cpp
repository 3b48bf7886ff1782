#include "game/record_pdn.h"
#include "pdn/clock_comment.h"

namespace {

std::vector<PdnVariation> variationsOf(const HistoryEntry& entry);

// The moves of `count` entries (`at(i)` the i-th) with their notes and side lines.
template <typename EntryAt>
void lineToPdn(int count, EntryAt at, std::vector<Move>& moves, std::vector<PdnNotes>& notes,
               std::vector<std::vector<PdnVariation>>& variations) {
  for (int i = 0; i < count; ++i) {
    const HistoryEntry& entry = at(i);
    moves.push_back(entry.move);
    if (!entry.notes.empty() || entry.clockLeft >= 0) {
      notes.resize(i + 1);
      notes[i] = entry.notes;
      if (entry.clockLeft >= 0) putClockComment(notes[i], entry.clockLeft);
    }
    if (!entry.variations.empty()) {
      variations.resize(i + 1);
      variations[i] = variationsOf(entry);
    }
  }
}

std::vector<PdnVariation> variationsOf(const HistoryEntry& entry) {
  std::vector<PdnVariation> all;
  for (const RecordLine& line : entry.variations) {
    PdnVariation variation;
    lineToPdn((int)line.size(), [&line](int i) -> const HistoryEntry& { return *line[i]; }, variation.moves, variation.moveNotes, variation.variations);
    all.push_back(std::move(variation));
  }
  return all;
}

RecordLine lineFromPdn(const PdnVariation& variation) {
  RecordLine line;
  for (size_t i = 0; i < variation.moves.size(); ++i) {
    auto entry = std::make_unique<HistoryEntry>();
    entry->move = variation.moves[i];
    if (i == 0) entry->notes = variation.openingNotes;  // a comment before the line's first move
    if (i < variation.moveNotes.size())
      entry->notes.insert(entry->notes.end(), variation.moveNotes[i].begin(), variation.moveNotes[i].end());
    if (i < variation.variations.size())
      for (const PdnVariation& nested : variation.variations[i]) entry->variations.push_back(lineFromPdn(nested));
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
  lineToPdn(record.count(), [&record](int i) -> const HistoryEntry& { return record.entry(i); }, game.moves,
            game.moveNotes, game.variations);
  game.result = result;
  return game;
}

void appendPdnMoves(GameRecord& record, const PdnGame& game) {
  record.fileTags = game.tags;
  record.openingNotes = game.openingNotes;
  for (size_t i = 0; i < game.moves.size(); ++i) {
    record.append(game.moves[i]);
    record.last()->notes = game.notesAfter(i);
    for (const PdnVariation& variation : game.variationsAt(i)) record.last()->variations.push_back(lineFromPdn(variation));
    readClockComment(record.last()->notes, record.last()->clockLeft);
  }
}
