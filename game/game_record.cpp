#include "game/game_record.h"

void GameRecord::append(const Move& move) {
  auto entry = std::make_unique<HistoryEntry>();
  entry->move = move;
  entry->flags = blackToMove() ? 0 : sideBit;
  entry->emptyBefore = currentPosition().empty();
  entries.push_back(std::move(entry));
  for (RecordObserver* observer : observers) observer->recordChanged(*this);
}

void GameRecord::addObserver(RecordObserver* observer) { observers.push_back(observer); }

bool GameRecord::isRepetition() const {
  if (entries.empty()) return false;
  const Position& now = entries.back()->move;
  for (int i = count() - 3; i >= 0; i -= 2)
    if (entries[i]->move == now) return true;
  return false;
}

Position GameRecord::currentPosition() const {
  if (entries.empty()) return start;
  const Move& last = entries.back()->move;
  return Position(last.white, last.black, last.kings);
}
