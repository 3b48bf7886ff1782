#include "search/analysis.h"
#include <algorithm>
#include "search/search.h"
#include "search/transposition_table.h"

namespace {

// The search scores the position for the side to move in it; an entry keeps the
// value for the side that made its move.
void storeValue(HistoryEntry& entry, int depth) {
  entry.depth = (uint8_t)depth;
  const int score = analysePosition(entry.move.after, depth);
  entry.flags |= evaluatedBit;
  entry.evaluation = (int8_t)-score;
}

}  // namespace

// The table is sized from the start, so an analysis before any computer decision
// finds one; it keeps whatever size the last decision chose.
int analysePosition(const Position& position, int depth) {
  clearTable();
  return searchNode(position.white, position.black, position.kings, position.whiteToMove, SCORE_MIN, SCORE_MAX, depth);
}

void evaluateEntry(HistoryEntry& entry) {
  if (entry.depth != EntryDepth) storeValue(entry, EntryDepth);
}

void evaluateReplies(HistoryEntry& entry) {
  HistoryEntry* replies = entry.children();
  if (entry.childCount == 0) {
    evaluateEntry(entry);
    return;
  }
  int best = SCORE_NONE;
  for (int i = 0; i < entry.childCount; ++i) {
    if (replies[i].depth != ReplyDepth) storeValue(replies[i], ReplyDepth);
    if (replies[i].flags & evaluatedBit) best = std::max<int>(best, replies[i].evaluation);
  }
  for (int i = 0; i < entry.childCount; ++i) {
    const int value = (replies[i].flags & evaluatedBit) ? replies[i].evaluation : SCORE_NONE;
    if (value == best)
      replies[i].flags |= bestBit;
    else
      replies[i].flags &= ~bestBit;
  }
  entry.flags |= evaluatedBit;
  entry.evaluation = (int8_t)-best;
  entry.depth = EntryDepth;
}

int bestReplyIndex(HistoryEntry& entry) {
  evaluateReplies(entry);
  for (int i = 0; i < entry.childCount; ++i)
    if (entry.children()[i].flags & bestBit) return i;
  return -1;
}
