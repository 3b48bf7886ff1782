// The computer's "time to move (in sec)" slider: logarithmic from 0.01 to 30 seconds.
#pragma once
#include <FL/Fl_Value_Slider.H>

class TimeSlider : public Fl_Value_Slider {
public:
  TimeSlider(int x, int y, int w, int h, const char* label);
  // The chosen time in seconds, rounded to hundredths.
  double seconds() const;
  // Moves the slider to a time, kept between 0.01 and 30 seconds.
  void setSeconds(double seconds);
  int format(char* buffer) override;
};
