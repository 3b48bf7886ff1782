// How the window shows the game's plain data: log lines as label markup, history entries as
// rows of a piece icon, a colour and words.
#pragma once
#include <FL/Enumerations.H>
#include <string>
#include "game/message_text.h"

// The window's names for the sides: the label symbols of a white and a black piece.
extern const SideNames PieceSymbols;
// The colour of the best replies in the history: the colour map's pure green (FL_GREEN is darker).
constexpr Fl_Color BestReplyColour = 2;

// "@wc  C3-D4 (eval 0, time 1.02s, depth 13)"; events and results bold, errors red.
std::string logLineMarkup(const LogLine& line);

struct HistoryRow {
  bool white;  // the side that made the move: the row's piece icon
  Fl_Color colour;
  std::string words;
};
HistoryRow historyRow(const HistoryEntry& entry, Fl_Color normal);
