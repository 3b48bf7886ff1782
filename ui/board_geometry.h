// Where things lie on a board drawn in a square of `size` pixels at the widget's top left:
// which dark square is under a point and which frame part of a split frame.
#pragma once

// Outline of one frame part, relative to the square's top left, and its colour slot.
struct FramePart {
  int x, y, w, h;
  int colour;  // index into the frame colours, used in turn
};

constexpr int MaxFrameParts = 64;

// Bit number of the dark square under (x, y); -1 on a light square, -2 outside the 8x8 area.
// The offsets, when asked for, are the point's distance from the square's top left corner.
// A flipped board shows Black at the bottom: the board turned half round.
int squareAt(int size, int x, int y, int* xOff = nullptr, int* yOff = nullptr, bool flipped = false);
// The square shown in a cell of the turned board (and back): H8 where A1 was.
int turnedSquare(int square);
// Which of `count` frame parts (0 .. count-1) lies under an offset inside a square.
int alternativeAt(int size, int xOff, int yOff, int count);
// The outlines that show `count` frames on one square; returns how many were written.
int frameParts(int size, int count, FramePart* parts);

// A square's cell: its column from the left and row from the top as the board shows it.
struct Cell {
  int column, row;
};
Cell squareCell(int square, bool flipped);
// A cell's top left corner and size in pixels on a board of `size` pixels, with the same
// rounding as squareAt: each cell reaches the next one's start, none passes the board.
struct CellBox {
  int x, y, w, h;
};
CellBox cellBox(int size, Cell cell);
// The coordinates in the margin: the file letter under a column, the rank beside a row.
char fileLabel(int column, bool flipped);
char rankLabel(int row, bool flipped);
// Where a piece sliding along a route of squares is after `progress` (0 .. 1) of the
// slide, in cells from the board's top left (the centre of a cell at column + 0.5). Each
// leg takes the same share of the time.
struct CellPoint {
  double column, row;
};
CellPoint routePoint(const int* route, int length, double progress, bool flipped);
