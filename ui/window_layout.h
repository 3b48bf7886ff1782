// Where the main window's parts go for a window size: the board keeps 380 of every 460 pixels
// below the menu and status line, the log takes the rest, the history column is 200 wide.
#pragma once

struct Box {
  int x, y, w, h;
};

struct WindowLayout {
  Box menu, board, status, log, history, smallBoard;
};

constexpr int MinWindowWidth = 460;
constexpr int MinWindowHeight = 400;

// For any size from the minimum up; smaller sizes are laid out as the minimum.
WindowLayout layoutFor(int width, int height);
