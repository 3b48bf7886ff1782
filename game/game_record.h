// The moves of a game, as history entries, oldest first.
#pragma once
#include <memory>
#include <vector>
#include "game/history_entry.h"

class GameRecord;

class RecordObserver {
public:
  // Called after every appended move.
  virtual void recordChanged(GameRecord& record) = 0;
  virtual ~RecordObserver() = default;
};

class GameRecord {
public:
  // A game starts from the initial position, a set-up one from any.
  explicit GameRecord(const Position& start = InitialPosition) : start(start) {}
  virtual ~GameRecord() = default;

  // Adds the entry of a move just played, then tells the observers in their order.
  void append(const Move& move);
  void addObserver(RecordObserver* observer);
  // True if the last position occurred before with the same side to move.
  bool isRepetition() const;

  int count() const { return (int)entries.size(); }
  HistoryEntry& entry(int index) const { return *entries[index]; }
  HistoryEntry* last() const { return entries.empty() ? nullptr : entries.back().get(); }
  // The position after the last move, or the start position.
  Position currentPosition() const;

private:
  Position start;
  std::vector<std::unique_ptr<HistoryEntry>> entries;
  std::vector<RecordObserver*> observers;
};
