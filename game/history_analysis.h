// Fixed-depth analysis of the positions of a game's history, for the history browser.
// A plan names the searches one command needs; it is made and applied where the entries
// live, and may be run on another thread in between.
#pragma once
#include <vector>
#include "game/history_entry.h"

class SearchEngine;

constexpr int EntryDepth = 12;  // the position after a move, evaluated on its own
constexpr int ReplyDepth = 11;  // each reply: with the reply itself 12 plies as well

struct AnalysisPlan {
  HistoryEntry* entry = nullptr;
  bool replies = false;                // evaluate every reply rather than the entry alone
  std::vector<HistoryEntry*> targets;  // the entries to search, in order
  std::vector<Position> positions;     // their positions, copied for the searching thread
  std::vector<int> scores;             // filled by runAnalysis
  bool complete = false;               // every target was searched to its full depth
};

// Value in whole men for the side to move after a full-window search from a cleared table.
int analysePosition(SearchEngine& search, const Position& position, int depth);

// The searches of "evaluate" and of "best move"; generates the entry's replies if need be.
AnalysisPlan planEntryEvaluation(HistoryEntry& entry);
AnalysisPlan planReplyEvaluation(HistoryEntry& entry);
// Runs the searches; stops early (leaving complete false) when the search is asked to stop.
void runAnalysis(SearchEngine& search, AnalysisPlan& plan);
// Writes a complete plan's values into its entries; an incomplete one changes nothing.
void applyAnalysis(const AnalysisPlan& plan);

// The three steps at once, on one thread.
// Stores the value of the position after the entry's move, seen by the side that made it.
void evaluateEntry(SearchEngine& search, HistoryEntry& entry);
// Evaluates every reply, marks the best ones with bestBit, and the entry with the best value.
void evaluateReplies(SearchEngine& search, HistoryEntry& entry);
// Index of the first best reply after evaluateReplies, or -1 when there is none.
int bestReplyIndex(SearchEngine& search, HistoryEntry& entry);
// Index of the first reply marked best, or -1.
int markedBestReply(HistoryEntry& entry);
