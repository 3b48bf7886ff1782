#include "game/game_record.h"
#include <algorithm>

void GameRecord::append(const Move& handed) {
  const Move move = handed;  // it may be the taken-back move erased here
  std::unique_ptr<HistoryEntry> entry;
  if (!undoneEntries.empty() && undoneEntries.front()->move == move) {
    entry = std::move(undoneEntries.front());
    undoneEntries.erase(undoneEntries.begin());
  } else if (keepsSideLines && !undoneEntries.empty()) {
    entry = branchFromUndone(move);
  } else {
    undoneEntries.clear();
  }
  if (!entry) {
    entry = std::make_unique<HistoryEntry>();
    entry->move = move;
  }
  entries.push_back(std::move(entry));
  notify();
}

// The entry of `move` played instead of the taken-back line, which becomes its side line; or
// the side line that already starts with `move`, now played, its later moves waiting for replay.
std::unique_ptr<HistoryEntry> GameRecord::branchFromUndone(const Move& move) {
  HistoryEntry& replaced = *undoneEntries.front();
  for (size_t i = 0; i < replaced.variations.size(); ++i)
    if (!replaced.variations[i].empty() && replaced.variations[i].front()->move == move) {
      promoteSideLine(undoneEntries, (int)i);
      std::unique_ptr<HistoryEntry> entry = std::move(undoneEntries.front());
      undoneEntries.erase(undoneEntries.begin());
      return entry;
    }
  auto entry = std::make_unique<HistoryEntry>();
  entry->move = move;
  entry->variations = std::move(replaced.variations);
  replaced.variations.clear();
  entry->variations.insert(entry->variations.begin(), std::move(undoneEntries));
  undoneEntries.clear();
  return entry;
}

void promoteSideLine(RecordLine& tail, int index) {
  HistoryEntry& main = *tail.front();
  RecordLine promoted = std::move(main.variations[index]);
  main.variations.erase(main.variations.begin() + index);
  HistoryEntry& head = *promoted.front();
  std::vector<RecordLine> others = std::move(main.variations);
  main.variations.clear();
  others.insert(others.begin() + index, std::move(tail));
  for (RecordLine& line : head.variations) others.push_back(std::move(line));
  head.variations = std::move(others);
  tail = std::move(promoted);
}

void GameRecord::takeBack(int plies) {
  plies = std::clamp(plies, 0, count());
  if (plies == 0) return;
  RecordLine removedEntries;
  for (int i = count() - plies; i < count(); ++i) removedEntries.push_back(std::move(entries[i]));
  undoneEntries.insert(undoneEntries.begin(), std::make_move_iterator(removedEntries.begin()),
                       std::make_move_iterator(removedEntries.end()));
  entries.resize(count() - plies);
  notify();
}

std::vector<Move> GameRecord::takenBack() const {
  std::vector<Move> moves;
  for (const auto& entry : undoneEntries) moves.push_back(entry->move);
  return moves;
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
