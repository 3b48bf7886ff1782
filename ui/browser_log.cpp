#include "ui/browser_log.h"
#include <cstdio>
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

void BrowserLog::write(int kind, const char* prefix, const char* text) {
  const char* separator = *prefix ? " " : "";
  const char* format = "%s%s%s";
  if (kind == MsgEvent || kind == MsgResult) format = "%s%s@b;%s";
  else if (kind == MsgError) format = "%s%s@C0xff000000;%s";
  char line[1024];
  std::snprintf(line, sizeof line, format, prefix, separator, text);
  browser->insert(1, line);
  // Once lines are dropped, the last one says so.
  while (browser->size() > MaxLines) {
    browser->remove(MaxLines + 1);
    browser->text(MaxLines, "...");
  }
  browser->redraw();
  if (kind == MsgError) showAlert("%s\n%s", prefix, text);
}
