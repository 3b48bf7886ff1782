#include "ui/evaluation_graph_view.h"
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Progress.H>
#include <FL/fl_draw.H>
#include <cstdio>
#include "i18n/translate.h"

namespace {

constexpr int CancelWidth = 80, Gap = 4;

}  // namespace

EvaluationStrip::EvaluationStrip(int x, int y, int w, int h) : Fl_Group(x, y, w, h) {
  box(FL_DOWN_BOX);
  color(FL_WHITE);
  bar = new Fl_Progress(x + Gap, y + Gap, w - CancelWidth - 3 * Gap, h - 2 * Gap);
  bar->minimum(0);
  bar->maximum(1);
  bar->selection_color(FL_BLUE);
  cancel = new Fl_Button(x + w - CancelWidth - Gap, y + Gap, CancelWidth, h - 2 * Gap, _("Cancel"));
  cancel->callback([](Fl_Widget*, void* strip) {
    EvaluationStrip* s = (EvaluationStrip*)strip;
    if (s->onCancel) s->onCancel();
  }, this);
  end();
  bar->hide();
  cancel->hide();
}

void EvaluationStrip::resize(int x, int y, int w, int h) {
  Fl_Widget::resize(x, y, w, h);  // the children are placed here, not scaled
  bar->resize(x + Gap, y + Gap, w - CancelWidth - 3 * Gap, h - 2 * Gap);
  cancel->resize(x + w - CancelWidth - Gap, y + Gap, CancelWidth, h - 2 * Gap);
}

void EvaluationStrip::showPoints(const std::vector<GraphPoint>& shown) {
  points = shown;
  if (selected >= (int)points.size()) selected = -1;
  redraw();
}

void EvaluationStrip::showProgress(int done, int total) {
  reviewing = total > 0;
  if (reviewing) {
    bar->value(done / (float)total);
    std::snprintf(percent, sizeof percent, "%d / %d", done, total);
    bar->label(percent);
    bar->show();
    cancel->show();
  } else {
    bar->hide();
    cancel->hide();
  }
  redraw();
}

void EvaluationStrip::draw() {
  if (reviewing) {
    Fl_Group::draw();
    return;
  }
  draw_box();
  const int left = x() + Gap, top = y() + Gap, width = w() - 2 * Gap, height = h() - 2 * Gap;
  fl_push_clip(x() + 2, y() + 2, w() - 4, h() - 4);
  fl_color(FL_GRAY);
  const int zero = top + graphValueY(0, height);
  fl_line(left, zero, left + width - 1, zero);
  const int count = (int)points.size();
  if (selected >= 0) {
    fl_color(FL_BLUE);
    const int sx = left + graphPointX(selected, count, width);
    fl_line(sx, top, sx, top + height - 1);
  }
  fl_color(FL_BLACK);
  for (int i = 0; i + 1 < count; ++i)
    fl_line(left + graphPointX(i, count, width), top + graphValueY(points[i].value, height),
            left + graphPointX(i + 1, count, width), top + graphValueY(points[i + 1].value, height));
  fl_color(FL_RED);
  for (int i = 0; i < count; ++i)
    if (points[i].exact) {  // a result the database proves
      const int px = left + graphPointX(i, count, width), py = top + graphValueY(points[i].value, height);
      fl_rectf(px - 2, py - 2, 5, 5);
    }
  fl_pop_clip();
}

int EvaluationStrip::handle(int event) {
  if (reviewing) return Fl_Group::handle(event);
  if (event == FL_PUSH && !points.empty()) {
    selected = graphPlyAt(Fl::event_x() - x() - Gap, (int)points.size(), w() - 2 * Gap);
    redraw();
    if (onSelect && selected >= 0) onSelect(selected);
    return 1;
  }
  return Fl_Group::handle(event);
}
