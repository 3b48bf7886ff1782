#include "ui/markup.h"
#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct MarkupStyle {
  Fl_Font font;
  Fl_Fontsize size;
  Fl_Color colour;
};

void applyStyle(const MarkupStyle& style, bool draw) {
  fl_font(style.font, style.size);
  if (draw) fl_color(style.colour);
}

// Bytes of the letter an '&' underlines at p (0 when none): an ASCII letter or digit, or any
// letter beyond ASCII as one UTF-8 sequence, so that translated labels keep their accelerators.
int underlinedLetter(const char* p, const char* end) {
  const unsigned char c = (unsigned char)*p;
  if (p >= end) return 0;
  if (c < 0x80) return std::isalnum(c) ? 1 : 0;
  int n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 0;
  for (int i = 1; i < n; ++i)
    if (p + i >= end || ((unsigned char)p[i] & 0xC0) != 0x80) return 0;
  return n;
}

// Handles one "@name" at p (p[1] is not '@'); returns where the text goes on.
const char* applyCommand(const char* p, const char* end, int& x, int baseline, const MarkupStyle& normal,
                         MarkupStyle& style, bool draw) {
  const char* q = p + 1;
  while (q < end && !std::isspace((unsigned char)*q) && *q != '@' && *q != ';') ++q;
  const std::string name(p + 1, q);
  if (name == "b") style.font |= FL_BOLD;
  else if (name == "i") style.font |= FL_ITALIC;
  else if (name == "n") style = normal;
  else if (name == "f" || name == "t") style.font = FL_COURIER | (style.font & 3);
  else if (name[0] == 'C') style.colour = (Fl_Color)std::strtoul(name.c_str() + 1, nullptr, 0);
  else if (!name.empty()) {
    const int s = style.size;
    const int ascent = (fl_height() - 2 * fl_descent() + s + 1) / 2;
    if (draw) fl_draw_symbol(("@" + name).c_str(), x, baseline - ascent, s, s, style.colour);
    x += s;
  }
  applyStyle(style, draw);
  return (q < end && *q == ';') ? q + 1 : q;
}

// One line [p, end) at x on a baseline; returns its width. Draws only when asked.
int markupLine(const char* p, const char* end, int x, int baseline, const MarkupStyle& normal,
               MarkupStyle& style, bool draw) {
  const int start = x;
  int columnX = x;
  const char* column = p;
  applyStyle(style, draw);
  while (p < end) {
    if (*p == '@' && p + 1 < end && p[1] != '@') {
      p = applyCommand(p, end, x, baseline, normal, style, draw);
      continue;
    }
    if (*p == '@' && p + 1 < end) ++p;  // "@@" is one '@'
    if (*p == '\t') {
      columnX += (int)(((p - column) + 4) & ~3) * (int)fl_width("2");
      column = ++p;
      if (columnX > x) x = columnX;
      continue;
    }
    int underline = 0;
    if (*p == '&' && p + 1 < end) {
      if (p[1] == '&') ++p;
      else if ((underline = underlinedLetter(p + 1, end))) ++p;
    }
    const char* run = p + (underline ? underline : 1);
    if (!underline)
      while (run < end && *run != '@' && *run != '&' && *run != '\t') ++run;
    const int w = (int)fl_width(p, (int)(run - p));
    if (draw) {
      fl_draw(p, (int)(run - p), x, baseline);
      if (underline) fl_xyline(x, baseline + 1, x + w - 1);
    }
    x += w;
    p = run;
  }
  return x - start;
}

// Calls `line` for every line of the text with the style carried across lines.
template <class LineFn>
void forEachLine(const char* text, const MarkupStyle& normal, LineFn line) {
  MarkupStyle style = normal;
  for (const char* p = text;;) {
    const char* end = std::strchr(p, '\n');
    if (!end) end = p + std::strlen(p);
    line(p, end, style);
    if (!*end) break;
    p = end + 1;
  }
}

void drawLabel(const Fl_Label* label, int x, int y, int w, int h, Fl_Align align) {
  if (!label->value) return;
  if (!std::strchr(label->value, '@')) {
    fl_font(label->font, label->size);
    fl_color(label->color);
    fl_draw(label->value, x, y, w, h, align, label->image);
    return;
  }
  drawMarkup(label->value, x, y, w, h, align, label->font, label->size, label->color);
}

// The toolkit sizes a menu from its labels but shifts a toggle item's label by more than
// it counts for the check box, so the label would run into its shortcut ("namesS"). Plain
// menu labels (measured with shortcut underlines on) get room for a gap; the menu bar's
// titles all carry markup and keep their places.
constexpr int MenuShortcutGap = 12;

void measureLabel(const Fl_Label* label, int& w, int& h) {
  w = h = 0;
  if (!label->value) return;
  if (!std::strchr(label->value, '@')) {
    fl_font(label->font, label->size);
    fl_measure(label->value, w, h);
    if (fl_draw_shortcut) w += MenuShortcutGap;
    return;
  }
  measureMarkup(label->value, w, h, label->font, label->size);
}

}  // namespace

void measureMarkup(const char* text, int& w, int& h, Fl_Font font, Fl_Fontsize size) {
  const MarkupStyle normal{font, size, FL_FOREGROUND_COLOR};
  w = h = 0;
  fl_font(font, size);
  const int lineHeight = fl_height();
  forEachLine(text, normal, [&](const char* p, const char* end, MarkupStyle& style) {
    const int lineWidth = markupLine(p, end, 0, 0, normal, style, false);
    if (lineWidth > w) w = lineWidth;
    h += lineHeight;
  });
}

void drawMarkup(const char* text, int x, int y, int w, int h, Fl_Align align,
                Fl_Font font, Fl_Fontsize size, Fl_Color colour) {
  const MarkupStyle normal{font, size, colour};
  int textW, textH;
  measureMarkup(text, textW, textH, font, size);
  fl_font(font, size);
  const int lineHeight = fl_height();
  int top = y + (h - textH) / 2;
  if (align & FL_ALIGN_TOP) top = y;
  else if (align & FL_ALIGN_BOTTOM) top = y + h - textH;
  MarkupStyle measuring = normal;
  forEachLine(text, normal, [&](const char* p, const char* end, MarkupStyle& style) {
    const int lineWidth = markupLine(p, end, 0, 0, normal, measuring, false);
    int left = x + (w - lineWidth) / 2;
    if (align & FL_ALIGN_LEFT) left = x;
    else if (align & FL_ALIGN_RIGHT) left = x + w - lineWidth;
    fl_font(normal.font, normal.size);
    markupLine(p, end, left, top + lineHeight - fl_descent(), normal, style, true);
    top += lineHeight;
  });
}

void installMarkupLabels() { Fl::set_labeltype(FL_NORMAL_LABEL, drawLabel, measureLabel); }

std::string plainForMarkup(const std::string& text) {
  std::string out;
  for (char c : text) {
    out += c;
    if (c == '@') out += '@';
  }
  return out;
}

std::string markupWords(const std::string& text, std::string (*symbol)(const std::string& name)) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '@' && i + 1 < text.size() && text[i + 1] == '@') {
      out += '@';
      ++i;
    } else if (c == '@') {
      size_t end = i + 1;
      while (end < text.size() && !std::isspace((unsigned char)text[end]) && text[end] != '@' && text[end] != ';')
        ++end;
      const std::string name = text.substr(i + 1, end - i - 1);
      const bool style = name == "b" || name == "i" || name == "n" || name == "f" || name == "t" ||
                         (!name.empty() && name[0] == 'C');
      if (!style && !name.empty()) out += symbol(name);
      i = (end < text.size() && text[end] == ';') ? end : end - 1;
    } else if (c == '&' && i + 1 < text.size() && text[i + 1] == '&') {
      out += '&';
      ++i;
    } else if (c == '&' && underlinedLetter(text.c_str() + i + 1, text.c_str() + text.size())) {
      // the mark of an underlined letter
    } else {
      out += c;
    }
  }
  return out;
}
