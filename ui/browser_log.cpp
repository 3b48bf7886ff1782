#include "ui/browser_log.h"
#include "ui/game_markup.h"
#include "ui/markup.h"
#include "ui/message_boxes.h"

LogBrowser::LogBrowser(int x, int y, int w, int h) : Fl_Browser(x, y, w, h) {
  format_char(0);  // the lines carry the program's own markup instead
}

void LogBrowser::item_draw(void* item, int x, int y, int w, int h) const {
  drawMarkup(item_text(item), x + 3, y, w - 3, h, FL_ALIGN_LEFT, textfont(), textsize(), textcolor());
}

int LogBrowser::item_width(void* item) const {
  int w, h;
  measureMarkup(item_text(item), w, h, textfont(), textsize());
  return w + 6;
}

void BrowserLog::write(const LogLine& line) {
  std::string markup = logLineMarkup(line);
  if (markup.size() > MaxLogTextLength) markup.resize(MaxLogTextLength);
  browser->insert(1, markup.c_str());
  // Once lines are dropped, the last one says so.
  while (browser->size() > MaxLines) {
    browser->remove(MaxLines + 1);
    browser->text(MaxLines, "...");
  }
  browser->redraw();
  if (line.kind == MsgError) showAlert("%s", lineText(line, PieceSymbols).c_str());
}
