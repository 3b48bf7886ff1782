#include "game/game_record.h"

void GameRecord::append(const Move& move) {
  auto entry = std::make_unique<HistoryEntry>();
  entry->move = move;
  entries.push_back(std::move(entry));
  for (RecordObserver* observer : observers) observer->recordChanged(*this);
}

void GameRecord::addObserver(RecordObserver* observer) { observers.push_back(observer); }

bool GameRecord::isRepetition() const {
  if (entries.empty()) return false;
  const Position& now = entries.back()->move.after;
  for (int i = count() - 3; i >= 0; i -= 2)
    if (entries[i]->move.after == now) return true;
  return false;
}

Position GameRecord::currentPosition() const {
  if (entries.empty()) return start;
  return entries.back()->move.after;
}
