#include "ui/window_layout.h"
#include <algorithm>

namespace {
constexpr int MenuHeight = 20, StatusHeight = 20, ColumnWidth = 200, SmallBoardSize = 200;
// At the first size, 600x500, the board is 400x380 and the log 80 high.
constexpr int BoardShare = 380, BoardAndLogShare = 460;
}  // namespace

WindowLayout layoutFor(int width, int height) {
  const int w = std::max(width, MinWindowWidth), h = std::max(height, MinWindowHeight);
  const int left = w - ColumnWidth;
  const int below = h - MenuHeight - StatusHeight;  // board and log
  const int boardHeight = below * BoardShare / BoardAndLogShare;
  WindowLayout layout;
  layout.menu = {0, 0, w, MenuHeight};
  layout.board = {0, MenuHeight, left, boardHeight};
  layout.status = {0, MenuHeight + boardHeight, left, StatusHeight};
  layout.log = {0, MenuHeight + boardHeight + StatusHeight, left, below - boardHeight};
  layout.history = {left, MenuHeight, ColumnWidth, h - MenuHeight - SmallBoardSize};
  layout.smallBoard = {left, h - SmallBoardSize, ColumnWidth, SmallBoardSize};
  return layout;
}
