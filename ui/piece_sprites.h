// The pieces of one set at one size, drawn once and then copied onto the board: shading
// every piece on every redraw would cost more than a frame of a slide.
#pragma once
#include <cairo.h>

struct PieceSprites {
  int pieces = -1;  // the piece set drawn, -1: none yet
  int cell = 0;     // the square's width they were drawn for
  int side = 0;     // each picture is a square this wide, the piece at its centre
  cairo_surface_t* images[4] = {};  // white man, white king, black man, black king

  PieceSprites() = default;
  PieceSprites(const PieceSprites&) = delete;
  PieceSprites& operator=(const PieceSprites&) = delete;
  ~PieceSprites() { clear(); }
  void clear() {
    for (cairo_surface_t*& image : images) {
      if (image) cairo_surface_destroy(image);
      image = nullptr;
    }
    pieces = -1;
  }
};
