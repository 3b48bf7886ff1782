// The history browser: one row per move of the current game, each opening into every legal
// reply (generated when opened), so that any line can be explored; the selected row's
// position shows on the small board.
#pragma once
#include <FL/Fl_Tree.H>
#include "game/history_entry.h"

class BoardView;
class Fl_Menu_Button;
class GameRecord;

class HistoryTree : public Fl_Tree {
public:
  HistoryTree(int x, int y, int w, int h, BoardView* smallBoard);

  void setPopup(Fl_Menu_Button* menu) { popup = menu; }
  // The record to show, or none for an empty history.
  void setRecord(GameRecord* shown);
  // Adds the rows of new moves, drops those of moves taken back, and selects the newest,
  // showing it on the small board (cleared when there is none).
  void follow();
  // The entry of the focused row, or none.
  HistoryEntry* focusedEntry() const;
  // Selects the k-th reply of the row of `entry` (opening it) and shows it.
  void selectReplyOf(HistoryEntry& entry, int k);
  // Rebuilds every row's text after an analysis or a review changed values.
  void refreshLabels();
  // Selects the row of the position after `ply` moves of the game (0: the start, which has no
  // row) and shows it on the small board.
  void showPly(int ply);
  int handle(int event) override;

private:
  BoardView* smallBoard;
  Fl_Menu_Button* popup = nullptr;
  GameRecord* record = nullptr;

  Fl_Tree_Item* addEntry(Fl_Tree_Item* parent, HistoryEntry& entry);
  void addSideLines(Fl_Tree_Item* parent, std::vector<RecordLine>& lines);
  void populate(Fl_Tree_Item* item);
  void focusRow(Fl_Tree_Item* item);
  void showEntry(const HistoryEntry& entry);
  static void onTreeEvent(Fl_Widget* tree, void*);
};
