// The strip below the board: during a review its progress bar and Cancel; after it, the
// evaluation graph (one point per position, White's advantage up, database results marked),
// where a click selects a position.
#pragma once
#include <FL/Fl_Group.H>
#include <functional>
#include <vector>
#include "ui/controller/evaluation_graph.h"

class Fl_Button;
class Fl_Progress;

class EvaluationStrip : public Fl_Group {
public:
  EvaluationStrip(int x, int y, int w, int h);
  void showPoints(const std::vector<GraphPoint>& shown);
  void showProgress(int done, int total);  // total 0: the review is over
  // The strip has something to show.
  bool inUse() const { return !points.empty() || reviewing; }
  std::function<void(int ply)> onSelect;  // a click on the graph
  std::function<void()> onCancel;         // Cancel during a review
  void draw() override;
  int handle(int event) override;
  void resize(int x, int y, int w, int h) override;

private:
  std::vector<GraphPoint> points;
  bool reviewing = false;
  int selected = -1;  // the position clicked last, drawn with a line
  Fl_Progress* bar;
  Fl_Button* cancel;
  char percent[16] = "";
};
