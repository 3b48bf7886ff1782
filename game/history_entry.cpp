#include "game/history_entry.h"

HistoryEntry* HistoryEntry::children() {
  if (replies) return replies.get();
  const MoveList moves(move.after);
  childCount = moves.size();
  replies.reset(new HistoryEntry[childCount]);
  for (int i = 0; i < childCount; ++i) replies[i].move = moves[i];
  return replies.get();
}
