#include <gtest/gtest.h>
// after the test framework: the toolkit brings X11 macros that clash with it
#include <FL/fl_draw.H>
#include "display.h"
#include "ui/markup.h"
#include "ui/piece_symbols.h"

namespace {

int plainWidth(const char* text, Fl_Font font = FL_HELVETICA) {
  fl_font(font, 12);
  return (int)fl_width(text);
}

TEST(Markup, CommandsEndAtSpaceAtOrSemicolonAndOnlyTheSemicolonIsSwallowed) {
  if (!openDisplay()) GTEST_SKIP() << "no X display";
  registerPieceSymbols();
  struct Case {
    const char* text;
    int width;
  };
  const Case cases[] = {
      {"@b;New game start.", plainWidth("New game start.", FL_HELVETICA_BOLD)},
      {"@wc  C3-D4", 12 + plainWidth("  C3-D4")},               // the symbol, then both spaces
      {"@C1@1+ @n;&Quit", 12 + plainWidth(" ") + plainWidth("Quit")},  // colour, turned plus, underline
      {"a@@b", plainWidth("a@b")},
      {"&&x", plainWidth("&x")},
      {"@i@b x@n y", plainWidth(" x", FL_HELVETICA_BOLD_ITALIC) + plainWidth(" y")},
      // An accelerator on a letter beyond ASCII, as translated menus have it, is not drawn.
      {"@b;Х @n &Ход", plainWidth("Х ", FL_HELVETICA_BOLD) + plainWidth(" Ход")},
      {"Сда&ться", plainWidth("Сдаться")},
      {"A&ção", plainWidth("Ação")},
      {"& x", plainWidth("& x")},  // an '&' before no letter shows
  };
  for (const Case& c : cases) {
    int w = 0, h = 0;
    measureMarkup(c.text, w, h, FL_HELVETICA, 12);
    EXPECT_EQ(w, c.width) << c.text;
  }
}

TEST(Markup, EveryLineBreakAddsALineAndTheWidestLineCounts) {
  if (!openDisplay()) GTEST_SKIP() << "no X display";
  int w = 0, h = 0;
  measureMarkup("short\n@b;a much longer line\n", w, h, FL_HELVETICA, 12);
  fl_font(FL_HELVETICA, 12);
  EXPECT_EQ(h, 3 * fl_height());
  EXPECT_EQ(w, plainWidth("a much longer line", FL_HELVETICA_BOLD));
}

TEST(Markup, AcceleratorMarksLeaveThePlainWordsOfAnyAlphabet) {
  struct Case {
    const char* text;
    const char* words;
  };
  const Case cases[] = {{"&Game", "Game"}, {"&Партия", "Партия"}, {"Co&lar posição", "Colar posição"},
                        {"a && b", "a & b"}, {"& b", "& b"}, {"&\xD0", "&\xD0"}};  // a cut sequence is kept
  for (const Case& c : cases) EXPECT_EQ(markupWords(c.text, [](const std::string&) { return std::string(); }), c.words);
}

}  // namespace
