// How the window shows the game's plain data: log lines as label markup, history entries as
// rows of a piece icon, a colour and words.
#pragma once
#include <FL/Enumerations.H>
#include <string>
#include "game/history_entry.h"
#include "game/message_text.h"

// The window's names for the sides: the label symbols of a white and a black piece.
extern const SideNames PieceSymbols;
// The colour of the best replies in the history: the colour map's pure green (FL_GREEN is darker).
constexpr Fl_Color BestReplyColour = 2;
// The colour of side lines in the history: the colour map's blue, apart from the replies' rows.
constexpr Fl_Color SideLineColour = FL_BLUE;

// "@wc  C3-D4 (eval 0, time 1.02s, depth 13)"; events and results bold, errors red.
std::string logLineMarkup(const LogLine& line);

struct HistoryRow {
  bool white;  // the side that made the move: the row's piece icon
  Fl_Color colour;
  std::string words;
};
// The entry's move and value; a reviewed move also its mark and the best move: "C3-D4 ?? best c3-e5".
HistoryRow historyRow(const HistoryEntry& entry, Fl_Color normal);
// A side line under the move it replaces: "( F6-E5 D4xF6 G7xE5 )", in the side lines' colour.
HistoryRow sideLineRow(const RecordLine& line);
