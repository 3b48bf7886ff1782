// Where the main window's parts go for a window size. The board is a square of whole squares,
// as large as the window allows, centred in its column with the status line and the log below
// it; the history and the small board fill the side panel beside it. The spare room is shared
// so that no empty band is wider than one of the board's squares.
#pragma once

struct Box {
  int x, y, w, h;
  bool empty() const { return w <= 0 || h <= 0; }
};

// Parts shown only when used; a hidden part takes no room and gets an empty box.
struct LayoutParts {
  bool playerLines = false;      // a line above and below the board: each player's name and clock
  bool evaluationGraph = false;  // a strip below the board
  bool analysisPanel = false;    // lines of analysis above the log
  bool coordinates = false;      // a margin around the board for the files and ranks
};

struct WindowLayout {
  Box menu, board, status, log, history, smallBoard;
  // Empty when hidden. The coordinates box is the board with its margin around it.
  Box topPlayer, bottomPlayer, graph, analysis, coordinates;
};

constexpr int MinWindowWidth = 460;
constexpr int MinWindowHeight = 400;

// For any size from the minimum up; smaller sizes are laid out as the minimum.
WindowLayout layoutFor(int width, int height, const LayoutParts& parts = {});
