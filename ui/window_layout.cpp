#include "ui/window_layout.h"
#include <algorithm>

namespace {

constexpr int MenuHeight = 20, StatusHeight = 20;
constexpr int PlayerLineHeight = 20, GraphHeight = 40, AnalysisHeight = 52, CoordinateMargin = 16;
// The log keeps a few lines, and a sixth of the height so that a large window shows more.
constexpr int LogMinHeight = 60, LogShare = 6;
constexpr int SideMinWidth = 160, HistoryMinHeight = 48, HistoryMinWidth = 100;
constexpr int SmallestBoard = 64;

int wholeSquares(int size) { return size / 8 * 8; }
int wholeSquaresUp(int size) { return (size + 7) / 8 * 8; }

struct Split {
  int column = 0;  // width of the board's column; the side panel has the rest
  Box history, smallBoard;
};

// The history above a small board as wide as the panel, or narrower (left-aligned) where
// the history would get too short or the small board larger than the main one. The column
// may grow by up to two squares, one on each side of the board, to narrow the panel. False
// when a band would be wider than a square, unless `anyway`.
bool stacked(int width, int body, int board, int columnNeeded, Split& split, bool anyway = false) {
  const int square = board / 8;
  const int largest = body - HistoryMinHeight;
  const int column = std::max(columnNeeded, std::min(width - (largest + square), columnNeeded + 2 * square));
  const int panel = width - column;
  const int widest = std::max(board, wholeSquaresUp(panel - square));
  const int small = std::min(wholeSquares(std::min(panel, largest)), widest);
  if (!anyway && (panel - small > square || panel < SideMinWidth)) return false;
  split.column = column;
  split.history = {column, MenuHeight, panel, body - small};
  split.smallBoard = {column, MenuHeight + body - small, small, small};
  return true;
}

// In a wide window: the history on the left, the small board beside it on the right, as high
// as the panel or centred in it with a band of at most a square above and below (so it may
// be a little larger than the main board, whose column also holds the status line and log).
bool sideBySide(int width, int panelHeight, int board, int column, Split& split) {
  const int square = board / 8;
  const int panel = width - column;
  const int highest = std::max(board, wholeSquaresUp(panelHeight - 2 * square));
  const int small = std::min(wholeSquares(panel - HistoryMinWidth), highest);
  if (panel < SideMinWidth || small <= 0 || panelHeight - small > 2 * square) return false;
  split.column = column;
  split.history = {column, MenuHeight, panel - small, panelHeight};
  split.smallBoard = {width - small, MenuHeight + (panelHeight - small) / 2, small, small};
  return true;
}

}  // namespace

WindowLayout layoutFor(int width, int height, const LayoutParts& parts) {
  const int w = std::max(width, MinWindowWidth), h = std::max(height, MinWindowHeight);
  const int body = h - MenuHeight;
  const int playerLine = parts.playerLines ? PlayerLineHeight : 0;
  const int graph = parts.evaluationGraph ? GraphHeight : 0;
  const int analysis = parts.analysisPanel ? AnalysisHeight : 0;
  const int margin = parts.coordinates ? CoordinateMargin : 0;
  const int besideBoard = 2 * playerLine + 2 * margin + graph + StatusHeight + analysis;
  const int logMin = std::max(LogMinHeight, body / LogShare);
  const int largest = wholeSquares(std::min(body - besideBoard - logMin, w - SideMinWidth - 2 * margin));

  // The largest board for which the side panel fits without a wide band; a smaller board
  // leaves its height to the log, which shows it as lines. In a short wide window the status
  // line and what is below it may run under the side panel too, which then ends with the board.
  Split split;
  bool wideBottom = false;
  int size = largest;
  for (; size >= SmallestBoard; size -= 8) {
    const int area = size + 2 * margin;  // the board with its margin, as wide as it is high
    if (stacked(w, body, size, area, split) || sideBySide(w, body, size, area, split)) break;
    if ((wideBottom = sideBySide(w, 2 * playerLine + area + graph, size, area, split))) break;
  }
  if (size < SmallestBoard) {  // no such board: the largest, whatever the bands
    size = largest;
    stacked(w, body, size, size + 2 * margin, split, true);
  }

  WindowLayout layout{};
  const int column = split.column;
  const int boardX = (column - size) / 2;
  int y = MenuHeight;
  layout.menu = {0, 0, w, MenuHeight};
  if (playerLine) layout.topPlayer = {0, y, column, playerLine};
  y += playerLine;
  if (margin) layout.coordinates = {boardX - margin, y, size + 2 * margin, size + 2 * margin};
  layout.board = {boardX, y + margin, size, size};
  y += size + 2 * margin;
  if (playerLine) layout.bottomPlayer = {0, y, column, playerLine};
  y += playerLine;
  if (graph) layout.graph = {0, y, column, graph};
  y += graph;
  const int below = wideBottom ? w : column;
  layout.status = {0, y, below, StatusHeight};
  y += StatusHeight;
  if (analysis) layout.analysis = {0, y, below, analysis};
  y += analysis;
  layout.log = {0, y, below, h - y};
  layout.history = split.history;
  layout.smallBoard = split.smallBoard;
  return layout;
}
