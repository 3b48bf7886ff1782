#include "game/game_record.h"
#include <algorithm>

void GameRecord::append(const Move& handed) {
  const Move move = handed;  // it may be the taken-back move erased here
  if (!undone.empty() && undone.front() == move) {
    undone.erase(undone.begin());
    undoneClocks.erase(undoneClocks.begin());
  } else {
    undone.clear();
    undoneClocks.clear();
  }
  auto entry = std::make_unique<HistoryEntry>();
  entry->move = move;
  entries.push_back(std::move(entry));
  notify();
}

void GameRecord::takeBack(int plies) {
  plies = std::clamp(plies, 0, count());
  if (plies == 0) return;
  std::vector<Move> removed;
  std::vector<double> clocks;
  for (int i = count() - plies; i < count(); ++i) {
    removed.push_back(entries[i]->move);
    clocks.push_back(entries[i]->clockLeft);
  }
  undone.insert(undone.begin(), removed.begin(), removed.end());
  undoneClocks.insert(undoneClocks.begin(), clocks.begin(), clocks.end());
  entries.resize(count() - plies);
  notify();
}

void GameRecord::addObserver(RecordObserver* observer) { observers.push_back(observer); }

void GameRecord::notify() {
  for (RecordObserver* observer : observers) observer->recordChanged(*this);
}

bool GameRecord::isRepetition() const {
  if (entries.empty()) return false;
  const Position& now = entries.back()->move.after;
  for (int i = count() - 3; i >= 0; i -= 2)
    if (entries[i]->move.after == now) return true;
  return false;
}

int GameRecord::occurrencesOfCurrent() const {
  const Position now = currentPosition();
  int seen = start == now ? 1 : 0;
  for (const auto& entry : entries)
    if (entry->move.after == now) ++seen;
  return seen;
}

DrawState GameRecord::drawState() const {
  DrawState state = drawStateAt(start);
  Position before = start;
  for (const auto& entry : entries) {
    state = drawStateAfter(state, before, entry->move.after);
    before = entry->move.after;
  }
  return state;
}

DrawRule GameRecord::drawRuleReached() const {
  if (occurrencesOfCurrent() >= 3) return DrawRule::Repetition;
  return ::drawRuleReached(drawState());
}

Position GameRecord::currentPosition() const {
  if (entries.empty()) return start;
  return entries.back()->move.after;
}

Position GameRecord::positionBefore(int index) const {
  return index <= 0 ? start : entries[index - 1]->move.after;
}

std::vector<Move> GameRecord::moves() const {
  std::vector<Move> all;
  for (const auto& entry : entries) all.push_back(entry->move);
  return all;
}
