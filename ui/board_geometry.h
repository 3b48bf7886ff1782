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
