#include "ui/piece_symbols.h"
#include <FL/Fl.H>
#include <FL/fl_draw.H>

namespace {

// Symbols are drawn in a -1..1 square that the toolkit maps onto the label's box.
void drawPieceSymbol(Fl_Color fill, Fl_Color line) {
  const int x = (int)fl_transform_x(-1, -1), y = (int)fl_transform_y(-1, -1);
  const int w = (int)fl_transform_x(1, 1) - x, h = (int)fl_transform_y(1, 1) - y;
  const Fl_Color before = fl_color();
  fl_line_style(0);
  fl_color(fill);
  fl_pie(x, y, w, h, 0, 360);
  fl_color(line);
  fl_arc(x, y, w, h, 0, 360);
  fl_color(before);
}

void drawWhiteSymbol(Fl_Color) { drawPieceSymbol((Fl_Color)0xFFFFFFFF, (Fl_Color)0x111111FF); }
void drawBlackSymbol(Fl_Color) { drawPieceSymbol((Fl_Color)0x111111FF, (Fl_Color)0xFF0000FF); }

}  // namespace

void registerPieceSymbols() {
  fl_add_symbol("wc", drawWhiteSymbol, 1);
  fl_add_symbol("bc", drawBlackSymbol, 1);
}
