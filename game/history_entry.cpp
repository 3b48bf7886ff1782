#include "game/history_entry.h"
#include <cstdio>
#include "game/message_log.h"

HistoryEntry* HistoryEntry::children() {
  if (replies) return replies.get();
  Move* moves = nullptr;
  childCount = blackToMove() ? move.blackMoves(&moves) : move.whiteMoves(&moves);
  replies.reset(new HistoryEntry[childCount]);
  for (int i = 0; i < childCount; ++i) {
    HistoryEntry& child = replies[i];
    child.flags = blackToMove() ? 0 : sideBit;
    child.move = moves[i];
    child.emptyBefore = move.empty();
  }
  delete[] moves;
  return replies.get();
}

const char* HistoryEntry::labelText() {
  char notation[6] = {};
  move.writeNotation(emptyBefore, notation);
  int length = std::snprintf(text, sizeof text, "%s@%cc %s", (flags & bestBit) ? "@C2" : "",
                             blackToMove() ? 'w' : 'b', notation);
  if (depth == 0) return text;
  char* end = text + length;
  const size_t room = sizeof text - length;
  if (!(flags & evaluatedBit) || evaluation <= -120)
    std::snprintf(end, room, " (lose)");
  else if (evaluation >= 120)
    std::snprintf(end, room, " (win)");
  else
    std::snprintf(end, room, " (evaluation: %d)", evaluation);
  return text;
}
