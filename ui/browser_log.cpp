#include "ui/browser_log.h"
#include <FL/Fl.H>
#include <FL/Fl_Tooltip.H>
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

namespace {
// A tooltip draws plain text: the pieces become the characters that look like them.
std::string symbolWord(const std::string& name) {
  if (name == "wc") return "\u25cb";
  if (name == "bc") return "\u25cf";
  return "";
}
}  // namespace

std::string LogBrowser::cutLineAt(int y) {
  void* item = find_item(y);
  if (!item) return "";
  int bx, by, bw, bh;
  bbox(bx, by, bw, bh);
  if (item_width(item) <= bw) return "";
  return markupWords(item_text(item), symbolWord);
}

int LogBrowser::handle(int event) {
  const int used = Fl_Browser::handle(event);
  if (event == FL_LEAVE) tip.clear();
  if (event != FL_ENTER && event != FL_MOVE) return used;
  std::string now = cutLineAt(Fl::event_y());
  if (now != tip) {
    // Another line: the old tooltip goes, and the new one shows after the usual delay.
    Fl_Tooltip::exit(this);
    tip = now;
    if (!tip.empty()) {
      int bx, by, bw, bh;
      bbox(bx, by, bw, bh);
      // The area is the line under the mouse, relative to the browser; the tip shows below it.
      Fl_Tooltip::enter_area(this, bx - x(), Fl::event_y() - y(), bw, item_height(find_item(Fl::event_y())),
                             tip.c_str());
    }
  }
  return 1;  // moves keep coming
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
