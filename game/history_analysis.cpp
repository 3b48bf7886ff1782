#include "game/history_analysis.h"
#include <algorithm>
#include "search/search_engine.h"

namespace {

constexpr int NoValue = -128;  // below every value an entry can hold

void addTarget(AnalysisPlan& plan, HistoryEntry& entry) {
  plan.targets.push_back(&entry);
  plan.positions.push_back(entry.move.after);
}

// The search scores the position for the side to move in it; an entry keeps the
// value for the side that made its move.
void storeValue(HistoryEntry& entry, int depth, int score) {
  entry.depth = (uint8_t)depth;
  entry.flags |= evaluatedBit;
  entry.evaluation = (int8_t)-score;
}

}  // namespace

// In whole men, as the history shows it.
int analysePosition(SearchEngine& search, const Position& position, int depth) {
  return countedValue(search.searchPosition(position, depth), Evaluation::Material);
}

AnalysisPlan planEntryEvaluation(HistoryEntry& entry) {
  AnalysisPlan plan;
  plan.entry = &entry;
  if (entry.depth != EntryDepth) addTarget(plan, entry);
  return plan;
}

AnalysisPlan planReplyEvaluation(HistoryEntry& entry) {
  HistoryEntry* replies = entry.children();
  if (entry.childCount == 0) return planEntryEvaluation(entry);
  AnalysisPlan plan;
  plan.entry = &entry;
  plan.replies = true;
  for (int i = 0; i < entry.childCount; ++i)
    if (replies[i].depth != ReplyDepth) addTarget(plan, replies[i]);
  return plan;
}

void runAnalysis(SearchEngine& search, AnalysisPlan& plan) {
  const int depth = plan.replies ? ReplyDepth : EntryDepth;
  plan.scores.clear();
  for (size_t i = 0; i < plan.positions.size(); ++i) {
    const int score = analysePosition(search, plan.positions[i], depth);
    if (search.stopped()) return;
    plan.scores.push_back(score);
  }
  plan.complete = true;
}

void applyAnalysis(const AnalysisPlan& plan) {
  if (!plan.complete || !plan.entry) return;
  const int depth = plan.replies ? ReplyDepth : EntryDepth;
  for (size_t i = 0; i < plan.targets.size(); ++i) storeValue(*plan.targets[i], depth, plan.scores[i]);
  if (!plan.replies) return;
  HistoryEntry& entry = *plan.entry;
  HistoryEntry* replies = entry.children();
  int best = NoValue;
  for (int i = 0; i < entry.childCount; ++i)
    if (replies[i].flags & evaluatedBit) best = std::max<int>(best, replies[i].evaluation);
  for (int i = 0; i < entry.childCount; ++i) {
    const int value = (replies[i].flags & evaluatedBit) ? replies[i].evaluation : NoValue;
    if (value == best)
      replies[i].flags |= bestBit;
    else
      replies[i].flags &= ~bestBit;
  }
  entry.flags |= evaluatedBit;
  entry.evaluation = (int8_t)-best;
  entry.depth = EntryDepth;
}

void evaluateEntry(SearchEngine& search, HistoryEntry& entry) {
  AnalysisPlan plan = planEntryEvaluation(entry);
  runAnalysis(search, plan);
  applyAnalysis(plan);
}

void evaluateReplies(SearchEngine& search, HistoryEntry& entry) {
  AnalysisPlan plan = planReplyEvaluation(entry);
  runAnalysis(search, plan);
  applyAnalysis(plan);
}

int markedBestReply(HistoryEntry& entry) {
  for (int i = 0; i < entry.childCount; ++i)
    if (entry.children()[i].flags & bestBit) return i;
  return -1;
}

int bestReplyIndex(SearchEngine& search, HistoryEntry& entry) {
  evaluateReplies(search, entry);
  return markedBestReply(entry);
}
