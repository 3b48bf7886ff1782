#include "game/history_entry.h"
#include <cstdio>
#include "game/message_log.h"

HistoryEntry* HistoryEntry::children() {
  if (replies) return replies.get();
  const MoveList moves(move.after);
  childCount = moves.size();
  replies.reset(new HistoryEntry[childCount]);
  for (int i = 0; i < childCount; ++i) replies[i].move = moves[i];
  return replies.get();
}

const char* HistoryEntry::labelText() {
  char notation[6] = {};
  move.writeNotation(notation);
  int length = std::snprintf(text, sizeof text, "%s@%cc %s", (flags & bestBit) ? "@C2" : "",
                             whiteToMove() ? 'b' : 'w', notation);
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
