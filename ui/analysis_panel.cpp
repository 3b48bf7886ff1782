#include "ui/analysis_panel.h"
#include <FL/Fl.H>
#include <cstdio>

namespace {

const int ColumnWidths[] = {90, 36, 0};  // evaluation, depth, moves

}  // namespace

AnalysisPanel::AnalysisPanel(int x, int y, int w, int h) : Fl_Browser(x, y, w, h) {
  type(FL_HOLD_BROWSER);
  column_widths(ColumnWidths);
  column_char('\t');
  format_char(0);  // the moves are plain text, never formatting
  textsize(12);
  has_scrollbar(0);  // three short rows: the panel is as high as they are
  callback(clicked);
  when(FL_WHEN_RELEASE);
}

void AnalysisPanel::showRows(const std::vector<AnalysisRow>& rows) {
  const int shown = value();  // a row clicked stays marked while its lines refresh
  clear();
  for (const AnalysisRow& row : rows) {
    char depth[16];
    std::snprintf(depth, sizeof depth, "%d", row.depth);
    add((row.evaluation + "\t" + depth + "\t" + row.moves).c_str());
  }
  if (shown > 0 && shown <= size()) select(shown);
}

void AnalysisPanel::clicked(Fl_Widget* widget, void*) {
  AnalysisPanel* panel = (AnalysisPanel*)widget;
  const int line = panel->value();
  if (line > 0 && panel->onChoose && Fl::event() == FL_RELEASE) panel->onChoose(line - 1);
}
