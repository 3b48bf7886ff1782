#include "ui/program_icon.h"
#include <FL/Fl_RGB_Image.H>
#include <cairo.h>
#include <cstdint>
#include <cstring>

namespace {

// Cairo keeps premultiplied native-endian ARGB words; the toolkit wants RGBA bytes.
Fl_RGB_Image* imageOf(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  const int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  if (!data || w <= 0 || h <= 0 || w > 1024 || h > 1024) return nullptr;
  unsigned char* rgba = new unsigned char[(size_t)w * h * 4];
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint32_t word;
      std::memcpy(&word, data + y * stride + x * 4, 4);
      const unsigned a = word >> 24;
      unsigned char* out = rgba + ((size_t)y * w + x) * 4;
      for (int c = 0; c < 3; ++c) {
        const unsigned v = (word >> (16 - 8 * c)) & 0xFF;
        out[c] = (unsigned char)(a ? (v * 255 + a / 2) / a : 0);
      }
      out[3] = (unsigned char)a;
    }
  Fl_RGB_Image* image = new Fl_RGB_Image(rgba, w, h, 4);
  image->alloc_array = 1;
  return image;
}

}  // namespace

Fl_RGB_Image* loadProgramIcon(const std::vector<std::string>& folders) {
  for (const std::string& folder : folders) {
    const std::string path = folder + "/../icons/hicolor/128x128/apps/tarvenn.png";
    cairo_surface_t* surface = cairo_image_surface_create_from_png(path.c_str());
    Fl_RGB_Image* image = nullptr;
    if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS &&
        cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32)
      image = imageOf(surface);
    cairo_surface_destroy(surface);
    if (image) return image;
  }
  return nullptr;
}
