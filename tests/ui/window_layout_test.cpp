#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>
#include "ui/window_layout.h"

namespace {

bool overlap(const Box& a, const Box& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

bool inside(const Box& inner, const Box& outer) {
  return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
         inner.y + inner.h <= outer.y + outer.h;
}

std::string named(int w, int h, const LayoutParts& p) {
  return std::to_string(w) + "x" + std::to_string(h) + (p.playerLines ? " players" : "") +
         (p.evaluationGraph ? " graph" : "") + (p.analysisPanel ? " analysis" : "") +
         (p.coordinates ? " coordinates" : "");
}

LayoutParts partsNumbered(int n) {
  LayoutParts p;
  p.playerLines = n & 1;
  p.evaluationGraph = n & 2;
  p.analysisPanel = n & 4;
  p.coordinates = n & 8;
  return p;
}

// The side of the largest empty square of the window that no part covers: the widest band.
int widestBand(const WindowLayout& l, int w, int h) {
  std::vector<char> covered(w * h, 0);
  for (const Box& b : {l.menu, l.board, l.status, l.log, l.history, l.smallBoard, l.topPlayer, l.bottomPlayer,
                       l.graph, l.analysis, l.coordinates})
    for (int y = std::max(b.y, 0); y < std::min(b.y + b.h, h); ++y)
      for (int x = std::max(b.x, 0); x < std::min(b.x + b.w, w); ++x) covered[y * w + x] = 1;
  std::vector<int> above(w, 0), row(w, 0);
  int widest = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      row[x] = covered[y * w + x] ? 0 : 1 + std::min({above[x], x ? row[x - 1] : 0, x ? above[x - 1] : 0});
      widest = std::max(widest, row[x]);
    }
    std::swap(above, row);
  }
  return widest;
}

// Every rule a layout keeps, checked at one size with one set of parts.
void expectSound(int w, int h, const LayoutParts& p) {
  const WindowLayout l = layoutFor(w, h, p);
  const std::string where = named(w, h, p);
  const Box window{0, 0, std::max(w, MinWindowWidth), std::max(h, MinWindowHeight)};
  const Box& board = l.board;
  const int square = board.w / 8;
  ASSERT_EQ(board.w, board.h) << where;
  ASSERT_EQ(board.w % 8, 0) << where << ": squares of unequal sizes";
  ASSERT_GE(board.w, 64) << where;

  const Box shown[] = {l.menu, l.board, l.status, l.log, l.history, l.smallBoard,
                       l.topPlayer, l.bottomPlayer, l.graph, l.analysis};
  const bool on[] = {true, true, true, true, true, true, p.playerLines, p.playerLines,
                     p.evaluationGraph, p.analysisPanel};
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(shown[i].empty(), !on[i]) << where << " part " << i;
    if (!on[i]) continue;
    EXPECT_TRUE(inside(shown[i], window)) << where << " part " << i;
    for (int j = 0; j < i; ++j) {
      if (on[j]) {
        EXPECT_FALSE(overlap(shown[i], shown[j])) << where << " parts " << j << ", " << i;
      }
    }
  }
  EXPECT_EQ(l.smallBoard.w, l.smallBoard.h) << where;
  EXPECT_EQ(l.smallBoard.w % 8, 0) << where << ": small board squares of unequal sizes";
  EXPECT_GE(l.history.h, 48) << where;
  EXPECT_GE(l.log.h, 60) << where;

  // The board is centred in its column left of the side panel; the status line and the log
  // are below it, as wide as the column or as the window.
  const int column = l.history.x;
  EXPECT_LE(std::abs(board.x - (column - board.x - board.w)), 1) << where;
  EXPECT_GE(l.status.y, board.y + board.h) << where;
  EXPECT_EQ(l.status.x, 0) << where;
  EXPECT_TRUE(l.status.w == column || l.status.w == window.w) << where;
  EXPECT_EQ(l.log.y, l.status.y + l.status.h + l.analysis.h) << where;
  EXPECT_EQ(l.log.w, l.status.w) << where;
  EXPECT_EQ(l.log.y + l.log.h, window.h) << where;

  if (p.coordinates) {
    const Box& c = l.coordinates;
    EXPECT_EQ(board.x - c.x, c.x + c.w - board.x - board.w) << where << ": margins differ";
    EXPECT_EQ(board.y - c.y, c.y + c.h - board.y - board.h) << where << ": margins differ";
    EXPECT_GE(board.x - c.x, 12) << where << ": too narrow for a letter";
    EXPECT_TRUE(inside(c, window)) << where;
    for (int i = 0; i < 10; ++i) {
      if (i != 1 && on[i]) {
        EXPECT_FALSE(overlap(c, shown[i])) << where << " part " << i;
      }
    }
  } else {
    EXPECT_TRUE(l.coordinates.empty()) << where;
  }
  const Box& area = p.coordinates ? l.coordinates : board;
  if (p.playerLines) {
    EXPECT_EQ(l.topPlayer.y + l.topPlayer.h, area.y) << where << ": the top line is not above the board";
    EXPECT_EQ(l.bottomPlayer.y, area.y + area.h) << where << ": the bottom line is not below the board";
    EXPECT_GE(l.topPlayer.w, board.w) << where;
  }
  if (p.evaluationGraph) {
    EXPECT_GE(l.graph.y, area.y + area.h) << where;
    EXPECT_LE(l.graph.y + l.graph.h, l.status.y) << where;
  }
  if (p.analysisPanel) {
    EXPECT_EQ(l.analysis.y + l.analysis.h, l.log.y) << where;
  }

  EXPECT_LE(widestBand(l, window.w, window.h), square) << where << ": a band wider than a square";
}

TEST(WindowLayout, AtTheFirstSizeTheBoardIsAtTheTopLeftWithTheSidePanelBesideIt) {
  const WindowLayout l = layoutFor(600, 500);
  EXPECT_EQ((std::vector<int>{l.board.x, l.board.y, l.board.w, l.board.h}), (std::vector<int>{0, 20, 376, 376}));
  EXPECT_EQ(l.status.y, 396);
  EXPECT_EQ(l.log.y + l.log.h, 500);
  EXPECT_EQ((std::vector<int>{l.smallBoard.x, l.smallBoard.y, l.smallBoard.w}), (std::vector<int>{376, 276, 224}));
  EXPECT_EQ(l.history.x + l.history.w, 600);
}

TEST(WindowLayout, NamedSizesFromTheMinimumToFullScreenAreSound) {
  const int sizes[][2] = {{320, 260},  {460, 400},  {600, 500},  {800, 600},  {1024, 768}, {1280, 870},
                          {1280, 900}, {1280, 1024}, {1920, 1080}, {1920, 1200}, {1920, 400}, {460, 1200},
                          {2560, 480}, {480, 1600}};
  for (const auto& size : sizes)
    for (int n = 0; n < 16; ++n) expectSound(size[0], size[1], partsNumbered(n));
}

TEST(WindowLayout, EverySizeUpToFullScreenIsSoundWithAndWithoutTheOptionalParts) {
  for (int n : {0, 15, 1, 8})
    for (int h = 400; h <= 1200; h += 61)
      for (int w = 460; w <= 1920; w += 53) expectSound(w, h, partsNumbered(n));
}

TEST(WindowLayout, TheBoardNeverShrinksAsTheWindowGrows) {
  for (int n : {0, 15}) {
    const LayoutParts p = partsNumbered(n);
    for (int h = 400; h <= 1200; h += 9) {
      int last = 0;
      for (int w = 460; w <= 1920; w += 2) {
        const int size = layoutFor(w, h, p).board.w;
        ASSERT_GE(size, last) << named(w, h, p);
        last = size;
      }
    }
    for (int w = 460; w <= 1920; w += 9) {
      int last = 0;
      for (int h = 400; h <= 1200; h += 2) {
        const int size = layoutFor(w, h, p).board.w;
        ASSERT_GE(size, last) << named(w, h, p);
        last = size;
      }
    }
  }
}

TEST(WindowLayout, TheBoardTakesMostOfALargeWindowAndTheLogShowsMoreLines) {
  const WindowLayout small = layoutFor(460, 400), full = layoutFor(1920, 1200), wide = layoutFor(1280, 870);
  EXPECT_GE(small.board.w, 280);
  EXPECT_GE(full.board.w, 900);
  EXPECT_GE(wide.board.w, 660) << "no board at the left of a wide grey band";
  EXPECT_GT(full.log.h, 150);
  EXPECT_GT(full.smallBoard.w, small.smallBoard.w) << "the side panel grows with the window";
  EXPECT_GT(full.history.w * full.history.h, small.history.w * small.history.h);
}

TEST(WindowLayout, ShownPartsTakeTheirRoomFromTheBoardAndTheLogOnly) {
  LayoutParts all = partsNumbered(15);
  const WindowLayout plain = layoutFor(1280, 900), full = layoutFor(1280, 900, all);
  EXPECT_LT(full.board.w, plain.board.w);
  EXPECT_EQ(full.menu.h, plain.menu.h);
  EXPECT_EQ(full.status.h, plain.status.h);
  EXPECT_EQ(full.log.y + full.log.h, 900);
}

}  // namespace
