#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "ui/window_layout.h"

namespace {

bool overlap(const Box& a, const Box& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

TEST(WindowLayout, AtTheFirstSizeTheBoardKeepsItsPlaceAndTheStatusLineTakesFromTheLog) {
  const WindowLayout l = layoutFor(600, 500);
  EXPECT_EQ((std::vector<int>{l.board.x, l.board.y, l.board.w, l.board.h}), (std::vector<int>{0, 20, 400, 380}));
  EXPECT_EQ(l.status.y, 400);
  EXPECT_EQ(l.log.y + l.log.h, 500);
  EXPECT_EQ(l.smallBoard.y, 300);
}

TEST(WindowLayout, NothingOverlapsAndTheLogGrowsWithTheWindow) {
  const int sizes[][2] = {{320, 260}, {460, 400}, {600, 500}, {800, 600}, {1280, 1024}, {1920, 1080}};
  int lastLog = 0;
  for (const auto& size : sizes) {
    const WindowLayout l = layoutFor(size[0], size[1]);
    const std::string where = std::to_string(size[0]) + "x" + std::to_string(size[1]);
    const Box parts[] = {l.menu, l.board, l.status, l.log, l.history, l.smallBoard};
    for (int i = 0; i < 6; ++i) {
      EXPECT_GT(parts[i].w, 0) << where << " part " << i;
      EXPECT_GT(parts[i].h, 0) << where << " part " << i;
      EXPECT_LE(parts[i].x + parts[i].w, std::max(size[0], MinWindowWidth)) << where << " part " << i;
      EXPECT_LE(parts[i].y + parts[i].h, std::max(size[1], MinWindowHeight)) << where << " part " << i;
      for (int j = 0; j < i; ++j) EXPECT_FALSE(overlap(parts[i], parts[j])) << where << " parts " << j << ", " << i;
    }
    EXPECT_GE(l.history.h, 100) << where;
    EXPECT_GE(l.log.h, lastLog) << where;
    lastLog = l.log.h;
  }
  EXPECT_GT(lastLog, 150) << "a full-screen log shows more lines";
}

}  // namespace
