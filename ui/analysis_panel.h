// The analysis board's panel: its best lines, one a row (evaluation, depth, moves); a click on
// a row reports its rank, so that its first move can be played.
#pragma once
#include <FL/Fl_Browser.H>
#include <functional>
#include <vector>
#include "ui/controller/window_ports.h"

class AnalysisPanel : public Fl_Browser {
public:
  AnalysisPanel(int x, int y, int w, int h);
  void showRows(const std::vector<AnalysisRow>& rows);
  std::function<void(int rank)> onChoose;  // 0: the best line

private:
  static void clicked(Fl_Widget* widget, void*);
};
