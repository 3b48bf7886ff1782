// The moves of a game, as history entries, oldest first.
#pragma once
#include <memory>
#include <vector>
#include "engine/draw_rules.h"
#include "game/history_entry.h"
#include "pdn/pdn_game.h"

class GameRecord;

class RecordObserver {
public:
  // Called after every appended move and after moves are taken back.
  virtual void recordChanged(GameRecord& record) = 0;
  virtual ~RecordObserver() = default;
};

class GameRecord {
public:
  // A game starts from the initial position, a set-up one from any.
  explicit GameRecord(const Position& start = InitialPosition) : start(start) {}
  virtual ~GameRecord() = default;

  // Adds the entry of a move just played, then tells the observers in their order.
  // The next taken-back move comes back with its notes and side lines. Another move forgets the
  // taken-back moves, unless the record keeps side lines: then they stay as a side line of it
  // (and a side line that starts with the move becomes the line played).
  void append(const Move& move);
  // Removes the last `plies` entries (at most all), keeping them for replay.
  void takeBack(int plies);
  // An analysis board's record keeps the moves a different move replaces, as a side line.
  bool keepsSideLines = false;
  // The moves taken back and not yet replayed, the next one to replay first.
  std::vector<Move> takenBack() const;
  void addObserver(RecordObserver* observer);
  // True if the last position occurred before with the same side to move.
  bool isRepetition() const;
  // How often the last position stood on the board with the same side to move, itself included.
  int occurrencesOfCurrent() const;
  // The counts of the draw rules after the last move, counted from the start position.
  DrawState drawState() const;
  // The rule that draws the game at its last position, if any; a win on the board comes first.
  DrawRule drawRuleReached() const;

  int count() const { return (int)entries.size(); }
  HistoryEntry& entry(int index) const { return *entries[index]; }
  HistoryEntry* last() const { return entries.empty() ? nullptr : entries.back().get(); }
  // The entries played, oldest first.
  const RecordLine& line() const { return entries; }
  // The position after the last move, or the start position.
  Position currentPosition() const;
  const Position& startPosition() const { return start; }
  // The position before the move of entry `index` (the start position for 0).
  Position positionBefore(int index) const;
  std::vector<Move> moves() const;

  // What the file of an opened game held besides its moves, kept so that saving it again
  // loses nothing: its tags in file order and the notes before its first move.
  std::vector<PdnTag> fileTags;
  PdnNotes openingNotes;

private:
  Position start;
  RecordLine entries;
  RecordLine undoneEntries;  // taken back; the next one to replay first
  std::vector<RecordObserver*> observers;

  void notify();
  std::unique_ptr<HistoryEntry> branchFromUndone(const Move& move);
};

// Makes the side line `index` of `main` the line played: its first entry takes the other side
// lines, and `main` with the moves after it becomes one of them. `tail` is the line from
// `main` on (main first); afterwards it holds the promoted line.
void promoteSideLine(RecordLine& tail, int index);
