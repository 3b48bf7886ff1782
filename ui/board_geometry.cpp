#include "ui/board_geometry.h"
#include <algorithm>
#include "engine/square_names.h"

int turnedSquare(int square) { return square >= 0 && square < 32 ? 31 - square : square; }

int squareAt(int size, int x, int y, int* xOff, int* yOff, bool flipped) {
  if (size <= 0) return -2;
  if (x < 0 || y < 0) return -2;
  const int col = (8 * x) / size;
  const int row = (8 * y) / size;
  if (col > 7 || row > 7) return -2;
  if (xOff) *xOff = x - (int)(col * size * 0.125);
  if (yOff) *yOff = y - (int)(row * size * 0.125);
  const int square = darkSquareAt(col, 7 - row);
  if (square < 0) return -1;
  return flipped ? turnedSquare(square) : square;
}

int alternativeAt(int size, int xOff, int yOff, int count) {
  if (count < 1) return 0;
  const double cell = size * 0.125;
  const int rows = (count + 1) / 2;
  // A point on the last pixel column or row of a square can round past the last part.
  const int row = std::clamp((int)(yOff * rows / cell), 0, rows - 1);
  if ((count & 1) && row == 0) return 0;
  const int half = std::clamp((int)(2 * xOff / cell), 0, 1);
  return half + 2 * row - (count & 1);
}

int frameParts(int size, int count, FramePart* parts) {
  const int cell = size / 8, half = size / 16;
  count = std::min(count, MaxFrameParts);
  if (count <= 0 || cell <= 0) return 0;
  const int rows = (count + 1) / 2, h = cell / rows;
  int n = 0, k = 0;
  // Pairs of halves from the bottom row up; an odd count leaves the top row whole.
  for (int j = rows - 1; j >= (count & 1); --j) {
    const int top = (int)(j * (double)cell / rows);
    parts[n++] = {0, top, half, h, k % 4};
    parts[n++] = {half, top, cell - half, h, (k + 1) % 4};
    k += 2;
  }
  if (count & 1) parts[n++] = {1, 1, cell - 2, h - 2, k % 4};
  return n;
}

Cell squareCell(int square, bool flipped) {
  const int shown = flipped ? turnedSquare(square) : square;
  const int rank = shown >> 2;
  return {2 * (shown & 3) + (rank & 1), 7 - rank};
}

CellBox cellBox(int size, Cell cell) {
  const int x = (int)(cell.column * size * 0.125), y = (int)(cell.row * size * 0.125);
  return {x, y, (int)((cell.column + 1) * size * 0.125) - x, (int)((cell.row + 1) * size * 0.125) - y};
}

char fileLabel(int column, bool flipped) { return (char)(flipped ? 'h' - column : 'a' + column); }

char rankLabel(int row, bool flipped) { return (char)(flipped ? '1' + row : '8' - row); }

CellPoint routePoint(const int* route, int length, double progress, bool flipped) {
  if (length <= 0) return {0, 0};
  const Cell first = squareCell(route[0], flipped);
  if (length == 1 || !(progress > 0)) return {first.column + 0.5, first.row + 0.5};
  const int legs = length - 1;
  const double along = std::min(progress, 1.0) * legs;
  const int leg = std::min((int)along, legs - 1);
  const Cell a = squareCell(route[leg], flipped), b = squareCell(route[leg + 1], flipped);
  const double f = along - leg;
  return {a.column + 0.5 + (b.column - a.column) * f, a.row + 0.5 + (b.row - a.row) * f};
}
