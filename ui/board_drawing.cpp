// How the board looks, drawn smooth through Cairo: the squares and the last move in the
// chosen board's colours, pieces from the chosen set (kings stacked with a crown), frames
// split by count, red crosses, coordinates in the margin and square names.
#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>
#include <cairo-xlib.h>
#include <cmath>
#include "ui/board_geometry.h"
#include "ui/board_view.h"
#include "ui/piece_sprites.h"

namespace {

const Colour FrameColours[4] = {{1, 1, 0.4}, {1, 0.4, 0.4}, {0.4, 1, 0.4}, {0.4, 0.4, 1}};
const Colour CrossColour = {1, 0, 0};
const Colour PathColour = {1, 0.85, 0.2};
// Pieces smaller than this are too small for a dark outline.
const double OutlineMinWidth = 31;

void setColour(cairo_t* cr, Colour c, double alpha = 1) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }
Colour darker(Colour c, double f) { return {c.r * f, c.g * f, c.b * f}; }
Colour lighter(Colour c, double f) { return {c.r + (1 - c.r) * f, c.g + (1 - c.g) * f, c.b + (1 - c.b) * f}; }

void disc(cairo_t* cr, double cx, double cy, double r) {
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
}

// A crown in a box of width w centred on (cx, cy): a band and three points.
void crown(cairo_t* cr, double cx, double cy, double w, const PieceSet& set, bool outlined) {
  const double h = w * 0.8, x = cx - w / 2, y = cy - h / 2;
  const double points[7][2] = {{0, 0.2}, {1 / 3.0, 1}, {2 / 3.0, 1}, {1, 0.2}, {2 / 3.0, 0.5}, {0.5, 0}, {1 / 3.0, 0.5}};
  cairo_new_path(cr);
  for (const auto& p : points) cairo_line_to(cr, x + p[0] * w, y + p[1] * h);
  cairo_close_path(cr);
  setColour(cr, set.crown);
  if (!outlined) {
    cairo_fill(cr);
    return;
  }
  cairo_fill_preserve(cr);
  setColour(cr, set.outline);
  cairo_set_line_width(cr, std::max(1.0, w / 24));
  cairo_stroke(cr);
}

// A flat piece as the program first drew them: shadow, ring, face lifted onto a dark rim.
void flatTop(cairo_t* cr, double cx, double cy, double r, Colour ring, Colour face, const PieceSet& set,
             bool outlined) {
  disc(cr, cx, cy, r);
  setColour(cr, ring);
  cairo_fill_preserve(cr);
  if (outlined) {
    setColour(cr, set.outline);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  const double inner = r * 5 / 7;
  disc(cr, cx, cy - r / 14, inner);
  setColour(cr, set.outline);
  cairo_fill(cr);
  disc(cr, cx, cy + r / 14, inner);
  setColour(cr, face);
  cairo_fill_preserve(cr);
  if (outlined) {
    setColour(cr, set.outline);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  cairo_new_path(cr);
}

// A shaded piece: a rim, a face lit from the top left, a groove and an edge.
void shadedTop(cairo_t* cr, double cx, double cy, double r, Colour ring, Colour face, const PieceSet& set) {
  const double thick = r * 0.16;
  disc(cr, cx, cy + thick, r);
  setColour(cr, darker(ring, 0.7));
  cairo_fill_preserve(cr);
  setColour(cr, set.outline, 0.6);
  cairo_set_line_width(cr, std::max(1.0, r * 0.05));
  cairo_stroke(cr);
  cairo_pattern_t* light = cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.4, r * 0.1, cx, cy, r);
  const Colour shine = lighter(face, 0.6), shade = darker(face, 0.82);
  cairo_pattern_add_color_stop_rgb(light, 0, shine.r, shine.g, shine.b);
  cairo_pattern_add_color_stop_rgb(light, 0.55, face.r, face.g, face.b);
  cairo_pattern_add_color_stop_rgb(light, 1, shade.r, shade.g, shade.b);
  disc(cr, cx, cy, r);
  cairo_set_source(cr, light);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(light);
  setColour(cr, set.outline, 0.7);
  cairo_set_line_width(cr, std::max(1.0, r * 0.06));
  cairo_stroke(cr);
  disc(cr, cx, cy, r * 0.7);
  setColour(cr, darker(face, 0.78), 0.8);
  cairo_set_line_width(cr, std::max(1.0, r * 0.07));
  cairo_stroke(cr);
}

// A man or a king centred on (cx, cy) in a cell `cell` pixels wide; `alpha` below 1 fades it.
void piece(cairo_t* cr, const PieceSet& set, double cx, double cy, double cell, bool white, bool king,
           double alpha) {
  if (alpha <= 0) return;
  if (alpha < 1) cairo_push_group(cr);
  const double r = cell * 0.375, kingStep = king ? r * 0.22 : 0;
  const Colour ring = white ? set.whiteRing : set.blackRing, face = white ? set.whiteFace : set.blackFace;
  const bool outlined = 2 * r >= OutlineMinWidth;
  // The shadow falls below and a little to the right, softer on shaded pieces.
  if (set.shaded) {
    cairo_pattern_t* shadow = cairo_pattern_create_radial(cx + r * 0.06, cy + r * 0.3, r * 0.6, cx + r * 0.06,
                                                          cy + r * 0.3, r * 1.15);
    cairo_pattern_add_color_stop_rgba(shadow, 0, 0, 0, 0, 0.45);
    cairo_pattern_add_color_stop_rgba(shadow, 1, 0, 0, 0, 0);
    disc(cr, cx + r * 0.06, cy + r * 0.3, r * 1.15);
    cairo_set_source(cr, shadow);
    cairo_fill(cr);
    cairo_pattern_destroy(shadow);
    if (king) shadedTop(cr, cx, cy + kingStep, r, ring, face, set);
    shadedTop(cr, cx, cy - kingStep - (king ? r * 0.1 : r * 0.08), r, ring, face, set);
  } else {
    const double lift = r * 2 / 9;
    disc(cr, cx, cy + (king ? lift * 1.5 : lift), r);
    setColour(cr, set.outline);
    cairo_fill(cr);
    if (king) flatTop(cr, cx, cy, r, ring, ring, set, outlined);
    flatTop(cr, cx, cy - kingStep * 0.55, r, ring, face, set, outlined);
  }
  if (king) crown(cr, cx, cy - kingStep * (set.shaded ? 1.45 : 0.55) + r / 14, r * 0.86, set, outlined);
  if (alpha < 1) {
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alpha);
  }
}

// The set's four pieces drawn for squares `cell` pixels wide, on surfaces like `target`.
void prepareSprites(PieceSprites& sprites, cairo_surface_t* target, int pieces, int cell) {
  if (sprites.pieces == pieces && sprites.cell == cell && sprites.images[0]) return;
  sprites.clear();
  const int side = (cell + cell / 2) & ~1;  // room for the shadow and a king's height; even, so centred on a pixel
  for (int i = 0; i < 4; ++i) {
    sprites.images[i] = cairo_surface_create_similar(target, CAIRO_CONTENT_COLOR_ALPHA, side, side);
    cairo_t* cr = cairo_create(sprites.images[i]);
    piece(cr, PieceSets[pieces], side / 2.0, side / 2.0, cell, i < 2, i & 1, 1);
    cairo_destroy(cr);
  }
  sprites.pieces = pieces;
  sprites.cell = cell;
  sprites.side = side;
}

// A prepared piece centred on (cx, cy), on whole pixels when it rests on its square.
void placeSprite(cairo_t* cr, const PieceSprites& sprites, double cx, double cy, bool white, bool king,
                 double alpha) {
  cairo_surface_t* image = sprites.images[(white ? 0 : 2) + (king ? 1 : 0)];
  cairo_set_source_surface(cr, image, cx - sprites.side / 2.0, cy - sprites.side / 2.0);
  if (alpha < 1) cairo_paint_with_alpha(cr, alpha);
  else cairo_paint(cr);
}

// Frames stay crisp: whole pixels, no smoothing, drawn inside each part's outline.
void frames(cairo_t* cr, int x, int y, int size, int count) {
  FramePart parts[MaxFrameParts];
  const int n = frameParts(size, count, parts);
  const int width = std::max(1, size / 8 / 24);
  cairo_save(cr);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_set_line_width(cr, width);
  for (int i = 0; i < n; ++i) {
    const FramePart& p = parts[i];
    if (p.w <= width || p.h <= width) continue;
    cairo_rectangle(cr, x + p.x + width / 2.0, y + p.y + width / 2.0, p.w - width, p.h - width);
    setColour(cr, FrameColours[p.colour]);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

void cross(cairo_t* cr, const CellBox& c) {
  const double m = c.w * 0.2;
  cairo_save(cr);
  cairo_set_line_width(cr, std::max(1.5, c.w / 18.0));
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  setColour(cr, CrossColour);
  cairo_move_to(cr, c.x + m, c.y + m);
  cairo_line_to(cr, c.x + c.w - m, c.y + c.h - m);
  cairo_move_to(cr, c.x + m, c.y + c.h - m);
  cairo_line_to(cr, c.x + c.w - m, c.y + m);
  cairo_stroke(cr);
  cairo_restore(cr);
}

// Centred across by the text's own width, and down by the font's, so that letters with and
// without ascenders share a line.
void centredText(cairo_t* cr, const char* text, double cx, double cy) {
  cairo_text_extents_t extents;
  cairo_font_extents_t font;
  cairo_text_extents(cr, text, &extents);
  cairo_font_extents(cr, &font);
  cairo_move_to(cr, cx - extents.width / 2 - extents.x_bearing, cy + (font.ascent - font.descent) / 2);
  cairo_show_text(cr, text);
}

// Files under and over the board, ranks left and right of it, turning with the board.
void coordinates(cairo_t* cr, const BoardTheme& theme, int x, int y, int size, int margin, bool flipped) {
  setColour(cr, theme.margin);
  cairo_rectangle(cr, x - margin, y - margin, size + 2 * margin, size + 2 * margin);
  cairo_fill(cr);
  cairo_select_font_face(cr, "Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, margin * 0.7);
  setColour(cr, theme.coordinates);
  for (int i = 0; i < 8; ++i) {
    const CellBox c = cellBox(size, {i, i});
    const char file[2] = {fileLabel(i, flipped), 0}, rank[2] = {rankLabel(i, flipped), 0};
    centredText(cr, file, x + c.x + c.w / 2.0, y + size + margin / 2.0);
    centredText(cr, file, x + c.x + c.w / 2.0, y - margin / 2.0);
    centredText(cr, rank, x - margin / 2.0, y + c.y + c.h / 2.0);
    centredText(cr, rank, x + size + margin / 2.0, y + c.y + c.h / 2.0);
  }
}

// The line through the squares a capture landed on, under the pieces.
void capturePath(cairo_t* cr, const LastMove& last, int x, int y, int size, bool flipped) {
  if (last.length < 2 || !last.captured) return;
  const double cell = size / 8.0;
  cairo_save(cr);
  cairo_set_line_width(cr, std::max(2.0, cell / 12));
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  setColour(cr, PathColour, 0.7);
  cairo_new_path(cr);
  for (int i = 0; i < last.length; ++i) {
    const CellBox c = cellBox(size, squareCell(last.route[i], flipped));
    cairo_line_to(cr, x + c.x + c.w / 2.0, y + c.y + c.h / 2.0);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
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

// A Cairo context on whatever the toolkit draws into now: the window or its back buffer.
cairo_t* drawingContext() {
  Fl_Window* window = Fl_Window::current();
  if (!window || !fl_window) return nullptr;
  cairo_surface_t* surface =
      cairo_xlib_surface_create(fl_display, fl_window, fl_visual->visual, window->w(), window->h());
  cairo_t* cr = cairo_create(surface);
  cairo_surface_destroy(surface);
  if (cairo_status(cr) != CAIRO_STATUS_SUCCESS) {
    cairo_destroy(cr);
    return nullptr;
  }
  return cr;
}

}  // namespace

void BoardView::draw() {
  draw_box();
  const int size = boardSize();
  if (size == 0) return;
  cairo_t* cr = drawingContext();
  if (!cr) return;
  const BoardTheme& theme = BoardThemes[look.theme];
  const int x0 = x() + margin, y0 = y() + margin;
  const double cell = size / 8.0;
  prepareSprites(*sprites, cairo_get_target(cr), look.pieces, size / 8);
  // Drawn off screen and shown at once, so that a sliding piece does not flicker.
  cairo_rectangle(cr, x(), y(), w(), h());
  cairo_clip(cr);
  cairo_push_group(cr);
  if (margin > 0) coordinates(cr, theme, x0, y0, size, margin, flipped);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  setColour(cr, theme.light);
  cairo_rectangle(cr, x0, y0, size, size);
  cairo_fill(cr);
  const SquareSet lastSquares = lastMove.squares();
  for (int square = 0; square < 32; ++square) {
    const CellBox c = cellBox(size, squareCell(square, flipped));
    setColour(cr, (lastSquares >> square) & 1 ? theme.lastMove : theme.dark);
    cairo_rectangle(cr, x0 + c.x, y0 + c.y, c.w, c.h);
    cairo_fill(cr);
  }
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
  if (showNames && cell > 20) {
    cairo_select_font_face(cr, "Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 12);
    setColour(cr, theme.squareNames);
    for (int square = 0; square < 32; ++square) {
      const CellBox c = cellBox(size, squareCell(square, flipped));
      cairo_move_to(cr, x0 + c.x + 4, y0 + c.y + 12);
      cairo_show_text(cr, SquareNames[square]);
    }
  }
  capturePath(cr, lastMove, x0, y0, size, flipped);

  // While a move slides, its piece leaves its square empty and the taken pieces fade.
  const bool slidingNow = sliding() && !lastMove.empty();
  const SquareSet hidden = slidingNow ? (SquareSet)1 << lastMove.to() : 0;
  for (int square = 0; square < 32; ++square) {
    const SquareSet bit = (SquareSet)1 << square;
    const CellBox c = cellBox(size, squareCell(square, flipped));
    const double cx = x0 + c.x + c.w / 2, cy = y0 + c.y + c.h / 2;
    if ((bit & (position.white | position.black)) && !(bit & hidden))
      placeSprite(cr, *sprites, cx, cy, bit & position.white, bit & position.kings, 1);
    else if (slidingNow && (bit & lastMove.captured & (lastMove.before.white | lastMove.before.black)))
      placeSprite(cr, *sprites, cx, cy, bit & lastMove.before.white, bit & lastMove.before.kings, 1 - slideProgress);
  }
  if (slidingNow) {
    const SquareSet from = (SquareSet)1 << lastMove.from();
    const CellPoint p = routePoint(lastMove.route, lastMove.length, slideProgress, flipped);
    placeSprite(cr, *sprites, x0 + p.column * cell, y0 + p.row * cell, from & lastMove.before.white,
                from & lastMove.before.kings, 1);
  }
  for (int square = 0; square < 32; ++square) {
    const CellBox c = cellBox(size, squareCell(square, flipped));
    if (marks[square] > 0) frames(cr, x0 + c.x, y0 + c.y, size, marks[square]);
    if (!slidingNow && ((crossed >> square) & 1)) cross(cr, {x0 + c.x, y0 + c.y, c.w, c.h});
  }
  cairo_pop_group_to_source(cr);
  cairo_paint(cr);
  cairo_destroy(cr);
  if (emptyText && !(position.white | position.black)) bandText(x0, y0, size, emptyText);
}
