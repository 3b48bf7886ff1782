#include "ui/time_slider.h"
#include <cmath>
#include <cstdio>

namespace {
const double MinSeconds = 0.01, MaxSeconds = 30.0, StartSeconds = 1.0;
}

// The slider moves through the logarithm of the time, so that short times get as much
// room as long ones; it shows and returns the time itself.
TimeSlider::TimeSlider(int x, int y, int w, int h, const char* label) : Fl_Value_Slider(x, y, w, h, label) {
  type(FL_HOR_SLIDER);
  bounds(std::log(MinSeconds), std::log(MaxSeconds));
  step(0);
  value(std::log(StartSeconds));
}

double TimeSlider::seconds() const {
  const double s = std::floor(std::exp(value()) * 100 + 0.5) / 100;
  return s < MinSeconds ? MinSeconds : s > MaxSeconds ? MaxSeconds : s;
}

void TimeSlider::setSeconds(double s) {
  value(std::log(s < MinSeconds ? MinSeconds : s > MaxSeconds ? MaxSeconds : s));
  redraw();
}

int TimeSlider::format(char* buffer) { return std::sprintf(buffer, "%.2f", seconds()); }
