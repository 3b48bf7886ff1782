// How the board looks: dark and light squares, pieces with shadows, kings as two stacked
// pieces with a gold crown, frames split by count, red crosses and square names.
#include <FL/fl_draw.H>
#include "ui/board_geometry.h"
#include "ui/board_view.h"

namespace {

const Fl_Color DarkSquare = (Fl_Color)0x414141FF;
const Fl_Color LightSquare = (Fl_Color)0xFFFFFFFF;
const Fl_Color NameColour = (Fl_Color)0x9BCD9BFF;
const Fl_Color WhiteRing = (Fl_Color)0xFFFFFFFF, WhiteFace = (Fl_Color)0xCCCCCCFF;
const Fl_Color BlackRing = (Fl_Color)0xAA4444FF, BlackFace = (Fl_Color)0xFF6666FF;
const Fl_Color Shadow = (Fl_Color)0x010101FF;
const Fl_Color CrownColour = (Fl_Color)0xFFD700FF;
const Fl_Color CrossColour = (Fl_Color)0xFF0000FF;
// The low byte of the frame colours is ignored by the X drawing: the frames are opaque.
const Fl_Color FrameColours[4] = {(Fl_Color)0xFFFF6644, (Fl_Color)0xFF666644,
                                  (Fl_Color)0x66FF6644, (Fl_Color)0x6666FF44};
// Pieces smaller than this are too small for a dark outline.
const int OutlineMinWidth = 31;

struct Box {
  int x, y, w, h;
  Box moved(int dy) const { return {x, y + dy, w, h}; }
};

void disc(const Box& b, Fl_Color colour, bool outlined) {
  fl_color(colour);
  fl_pie(b.x, b.y, b.w, b.h, 0, 360);
  if (!outlined) return;
  fl_color(Shadow);
  fl_arc(b.x, b.y, b.w, b.h, 0, 360);
}

void crown(const Box& q, bool outlined) {
  if (q.w < 6 || q.h < 4) {
    fl_color(CrownColour);
    fl_rectf(q.x, q.y, q.w, q.h);
    return;
  }
  const int x = q.x, y = q.y, w = q.w, h = q.h;
  const int points[7][2] = {{x, y + h / 5},           {x + w / 3, y + h},     {x + 2 * w / 3, y + h},
                            {x + w, y + h / 5},       {x + 2 * w / 3, y + h / 2}, {x + w / 2, y},
                            {x + w / 3, y + h / 2}};
  fl_color(CrownColour);
  fl_begin_complex_polygon();
  for (const auto& p : points) fl_vertex(p[0], p[1]);
  fl_end_complex_polygon();
  if (!outlined) return;
  fl_color(Shadow);
  fl_begin_loop();
  for (const auto& p : points) fl_vertex(p[0], p[1]);
  fl_end_loop();
}

// The top of a piece: ring, a dark rim inside it, the face lifted onto the rim.
void face(const Box& b, Fl_Color ring, Fl_Color faceColour, bool withCrown) {
  const bool outlined = b.w >= OutlineMinWidth;
  disc(b, ring, outlined);
  const Box inner{b.x + b.w / 7, b.y + b.h / 7, b.w - 2 * (b.w / 7), b.h - 2 * (b.h / 7) - b.h / 14};
  disc(inner, Shadow, false);
  const Box lifted = inner.moved(b.h / 14);
  disc(lifted, faceColour, outlined);
  if (withCrown)
    crown({lifted.x + lifted.w / 5, lifted.y + lifted.h / 5, lifted.w - 2 * (lifted.w / 5),
           lifted.h - 2 * (lifted.h / 5)},
          outlined);
}

void man(const Box& b, int lift, Fl_Color ring, Fl_Color faceColour) {
  disc(b.moved(lift), Shadow, false);
  face(b, ring, faceColour, false);
}

void king(const Box& b, Fl_Color ring, Fl_Color faceColour) {
  const int k6 = b.h / 6;
  disc(b.moved((k6 * 2) / 3), Shadow, false);
  disc(b, ring, b.w >= OutlineMinWidth);
  face(b.moved(-(k6 / 2)), ring, faceColour, true);
}

void frames(int x, int y, int size, int count) {
  FramePart parts[MaxFrameParts];
  const int n = frameParts(size, count, parts);
  for (int i = 0; i < n; ++i) {
    fl_color(FrameColours[parts[i].colour]);
    fl_rect(x + parts[i].x, y + parts[i].y, parts[i].w, parts[i].h);
  }
}

void cross(int x, int y, int cell) {
  const int m = (int)(cell * 0.2);
  fl_color(CrossColour);
  fl_line(x + m, y + m, x + cell - m, y + cell - m);
  fl_line(x + m, y + cell - m, x + cell - m, y + m);
}

// A band across the middle of the board, clear of the pieces' faces on ranks 4 and 5.
void bandText(int x, int y, int size, const char* text) {
  const int top = y + (int)(size * 0.47), bottom = y + (int)(size * 0.558);
  fl_color(FL_BACKGROUND_COLOR);
  fl_rectf(x, top, size, bottom - top);
  fl_color(FL_FOREGROUND_COLOR);
  fl_font(FL_HELVETICA_BOLD, size >= 300 ? 14 : 10);
  fl_draw(text, x, top, size, bottom - top, FL_ALIGN_CENTER | FL_ALIGN_CLIP);
}

}  // namespace

void BoardView::draw() {
  draw_box();
  const int size = boardSize();
  if (size == 0) return;
  const int cell = size / 8, piece = size * 3 / 32, margin = size / 64;
  const int lift = ((piece / 6) * 2) / 3;
  const bool names = showNames && cell > 20;
  fl_line_style(0);
  for (int rank = 0; rank < 8; ++rank) {
    const int y = this->y() + (int)((7 - rank) * size * 0.125);
    const int h = this->y() + (int)((8 - rank) * size * 0.125) - y;
    for (int column = 0; column < 8; ++column) {
      const int x = this->x() + (int)(column * size * 0.125);
      // Each square reaches the next one's start: no gap, and nothing drawn past the board.
      const int w = this->x() + (int)((column + 1) * size * 0.125) - x;
      const int square = darkSquareAt(column, rank);
      if (square < 0) {
        fl_color(LightSquare);
        fl_rectf(x, y, w, h);
        continue;
      }
      // A flipped board shows in this cell the square turned half round from it.
      const int i = flipped ? turnedSquare(square) : square;
      const SquareSet bit = (SquareSet)1 << i;
      fl_color(DarkSquare);
      fl_rectf(x, y, w, h);
      if (names) {
        fl_font(FL_HELVETICA, 12);
        fl_color(NameColour);
        fl_draw(SquareNames[i], x + 4, y + 12);
      }
      if (bit & (position.white | position.black)) {
        const bool white = bit & position.white;
        const Fl_Color ring = white ? WhiteRing : BlackRing, faceColour = white ? WhiteFace : BlackFace;
        const Box b{x + margin, y + margin, piece, piece};
        if (bit & position.kings) king(b, ring, faceColour);
        else man(b, lift, ring, faceColour);
      }
      if (marks[i] > 0) frames(x, y, size, marks[i]);
      if (bit & crossed) cross(x, y, cell);
    }
  }
  if (emptyText && !(position.white | position.black)) bandText(x(), y(), size, emptyText);
}
