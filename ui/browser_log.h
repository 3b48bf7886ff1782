// The program's message log: lines in a browser under the board, newest on top.
#pragma once
#include <FL/Fl_Browser.H>
#include "game/message_log.h"

// A browser whose lines are drawn with the label markup (bold, colours, piece symbols).
class LogBrowser : public Fl_Browser {
public:
  LogBrowser(int x, int y, int w, int h);

protected:
  void item_draw(void* item, int x, int y, int w, int h) const override;
  int item_width(void* item) const override;
};

class BrowserLog : public MessageLog {
public:
  static constexpr int MaxLines = 50;

  Fl_Browser* browser;  // not owned

  explicit BrowserLog(Fl_Browser* browser) : MessageLog(1), browser(browser) {}
  void write(const LogLine& line) override;
};
