#include "ui/history_tree.h"
#include <FL/Fl.H>
#include <FL/Fl_Image.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/fl_draw.H>
#include "game/game_record.h"
#include "ui/board_view.h"
#include "ui/game_markup.h"

namespace {

// Tree rows draw plain text, so the entry's leading piece symbol becomes the row's icon.
class SymbolIcon : public Fl_Image {
public:
  SymbolIcon(const char* symbol, int size) : Fl_Image(size, size, 0), symbol(symbol) {}
  void draw(int x, int y, int, int, int, int) override { fl_draw_symbol(symbol, x, y, w(), h(), FL_BLACK); }
  Fl_Image* copy(int w, int) override { return new SymbolIcon(symbol, w); }

private:
  const char* symbol;
};

SymbolIcon WhiteIcon(PieceSymbols.white, 12);
SymbolIcon BlackIcon(PieceSymbols.black, 12);

void setLabel(Fl_Tree_Item* item, const HistoryEntry& entry, Fl_Color normal) {
  const HistoryRow row = historyRow(entry, normal);
  item->label(row.words.c_str());
  item->labelfgcolor(row.colour);
  item->usericon(row.white ? &WhiteIcon : &BlackIcon);
}

}  // namespace

HistoryTree::HistoryTree(int x, int y, int w, int h, BoardView* smallBoard)
    : Fl_Tree(x, y, w, h), smallBoard(smallBoard) {
  showroot(0);
  callback(onTreeEvent);
  when(FL_WHEN_CHANGED);
}

Fl_Tree_Item* HistoryTree::addEntry(Fl_Tree_Item* parent, HistoryEntry& entry) {
  Fl_Tree_Item* item = Fl_Tree::add(parent, "");
  item->user_data(&entry);
  setLabel(item, entry, item_labelfgcolor());
  addSideLines(item, entry.variations);
  // A placeholder child gives the row its open box until it is opened.
  entry.children();
  if (entry.childCount > 0) Fl_Tree::add(item, "")->user_data(nullptr);
  if (item->has_children()) item->close();
  return item;
}

// Side lines come first under the move they replace, each row showing its last position; the
// side lines of their own moves go under them.
void HistoryTree::addSideLines(Fl_Tree_Item* parent, std::vector<RecordLine>& lines) {
  for (RecordLine& line : lines) {
    if (line.empty()) continue;
    Fl_Tree_Item* side = Fl_Tree::add(parent, "");
    const HistoryRow row = sideLineRow(line);
    side->label(row.words.c_str());
    side->labelfgcolor(row.colour);
    side->user_data(line.back().get());
    for (auto& entry : line) addSideLines(side, entry->variations);
    if (side->has_children()) side->close();
  }
}

void HistoryTree::populate(Fl_Tree_Item* item) {
  Fl_Tree_Item* placeholder = item->children() > 0 ? item->child(item->children() - 1) : nullptr;
  if (!placeholder || placeholder->user_data()) return;
  Fl_Tree::remove(placeholder);
  HistoryEntry* entry = (HistoryEntry*)item->user_data();
  HistoryEntry* replies = entry->children();
  for (int i = 0; i < entry->childCount; ++i) addEntry(item, replies[i]);
}

void HistoryTree::setRecord(GameRecord* shown) {
  record = shown;
  set_item_focus(nullptr);  // the tree keeps it across clearing, pointing at a deleted row
  clear_children(root());
  follow();
}

void HistoryTree::follow() {
  const int count = record ? record->count() : 0;
  // Moves taken back leave the history; their rows point to entries that are gone. The
  // tree would keep pointing its focus at a removed row.
  if (root()->children() > count) set_item_focus(nullptr);
  while (root()->children() > count) Fl_Tree::remove(root()->child(root()->children() - 1));
  for (int i = root()->children(); i < count; ++i) addEntry(root(), record->entry(i));
  if (root()->children() > 0) {
    focusRow(root()->child(root()->children() - 1));
  } else {  // no row is selected, so the small board shows nothing
    smallBoard->clearMarks();
    smallBoard->showPosition(Position(0, 0, 0), 0);
  }
  redraw();
}

void HistoryTree::focusRow(Fl_Tree_Item* item) {
  select_only(item, 0);
  set_item_focus(item);
  // Rows get their places only when drawn.
  redraw();
  Fl::flush();
  show_item_bottom(item);
  if (HistoryEntry* entry = (HistoryEntry*)item->user_data()) showEntry(*entry);
}

HistoryEntry* HistoryTree::focusedEntry() const {
  Fl_Tree_Item* item = get_item_focus();
  return item ? (HistoryEntry*)item->user_data() : nullptr;
}

void HistoryTree::selectReplyOf(HistoryEntry& entry, int k) {
  Fl_Tree_Item* item = first();
  while (item && item->user_data() != &entry) item = next(item);
  if (!item) return;
  populate(item);
  k += item->children() - entry.childCount;  // past the side lines' rows
  if (k < 0 || k >= item->children()) return;
  open(item, 0);
  ((HistoryEntry*)item->user_data())->flags |= openedBit;
  focusRow(item->child(k));
}

void HistoryTree::refreshLabels() {
  for (Fl_Tree_Item* item = first(); item; item = next(item))
    if (HistoryEntry* entry = (HistoryEntry*)item->user_data())
      if (item->labelfgcolor() != SideLineColour) setLabel(item, *entry, item_labelfgcolor());
  redraw();
}

void HistoryTree::showPly(int ply) {
  if (!record) return;
  if (ply > 0 && ply <= root()->children()) {
    focusRow(root()->child(ply - 1));
    return;
  }
  deselect_all(nullptr, 0);  // the start position has no row of its own
  set_item_focus(nullptr);
  smallBoard->clearMarks();
  smallBoard->showPosition(record->startPosition(), 0);
  redraw();
}

void HistoryTree::showEntry(const HistoryEntry& entry) {
  const Move& m = entry.move;
  smallBoard->showPosition(m.after, m.captured);
  smallBoard->markSquares(squareIndex(m.from), squareIndex(m.to));
}

int HistoryTree::handle(int event) {
  if (event == FL_PUSH && Fl::event_button() == FL_RIGHT_MOUSE) {
    if (Fl_Tree_Item* item = find_clicked()) {
      select_only(item, 0);
      set_item_focus(item);
      redraw();
    }
    return 1;  // so that the release comes here too
  }
  const int handled = Fl_Tree::handle(event);
  if (event == FL_RELEASE) {
    // Every release on a row shows it, also when the selection did not change.
    if (HistoryEntry* entry = focusedEntry()) showEntry(*entry);
    if (Fl::event_button() == FL_RIGHT_MOUSE && popup) popup->popup();
  }
  return handled;
}

void HistoryTree::onTreeEvent(Fl_Widget* widget, void*) {
  HistoryTree* tree = (HistoryTree*)widget;
  Fl_Tree_Item* item = tree->callback_item();
  HistoryEntry* entry = item ? (HistoryEntry*)item->user_data() : nullptr;
  if (!entry) return;
  if (tree->callback_reason() == FL_TREE_REASON_OPENED) {
    tree->populate(item);
    entry->flags |= openedBit;
  } else if (tree->callback_reason() == FL_TREE_REASON_CLOSED) {
    entry->flags &= ~openedBit;
  }
}
