// The program's message log: lines in a browser under the board, newest on top.
#pragma once
#include <FL/Fl_Browser.H>
#include <string>
#include "player/message_log.h"

// A browser whose lines are drawn with the label markup (bold, colours, piece symbols).
// A line too long for the browser's width shows whole in a tooltip under the mouse.
class LogBrowser : public Fl_Browser {
public:
  LogBrowser(int x, int y, int w, int h);

  // The whole text of the line at y (window coordinates) when it is cut, else "".
  std::string cutLineAt(int y);
  int handle(int event) override;

protected:
  void item_draw(void* item, int x, int y, int w, int h) const override;
  int item_width(void* item) const override;

private:
  std::string tip;  // the tooltip shown, kept while it shows
};

class BrowserLog : public MessageLog {
public:
  static constexpr int MaxLines = 50;

  Fl_Browser* browser;  // not owned

  explicit BrowserLog(Fl_Browser* browser) : MessageLog(1), browser(browser) {}
  void write(const LogLine& line) override;
};
