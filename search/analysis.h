// Fixed-depth analysis of the positions of a game's history, for the history browser.
#pragma once
#include "game/history_entry.h"

constexpr int EntryDepth = 12;  // the position after a move, evaluated on its own
constexpr int ReplyDepth = 11;  // each reply: with the reply itself 12 plies as well

// Score for the side to move after a full-window search from a cleared table.
int analysePosition(const Position& position, int depth);
// Stores the value of the position after the entry's move, seen by the side that made it.
void evaluateEntry(HistoryEntry& entry);
// Evaluates every reply, marks the best ones with bestBit, and the entry with the best value.
void evaluateReplies(HistoryEntry& entry);
// Index of the first best reply after evaluateReplies, or -1 when there is none.
int bestReplyIndex(HistoryEntry& entry);
