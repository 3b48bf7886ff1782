// A small window with one line of text and a progress bar, for work done before
// the main window opens. Closing it does not stop the work.
#pragma once

class Fl_Window;
class Fl_Progress;

class ProgressWindow {
public:
  ProgressWindow(const char* title, const char* text);
  ~ProgressWindow();
  ProgressWindow(const ProgressWindow&) = delete;
  ProgressWindow& operator=(const ProgressWindow&) = delete;

  // Shows `fraction` (0 to 1) of the bar and its percentage.
  void setFraction(double fraction);

private:
  Fl_Window* window;
  Fl_Progress* bar;
  char percent[8] = "0 %";
};
