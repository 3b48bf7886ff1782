// The main window: menu bar, main board, message log, history browser with its small board
// and pop-up menu; every menu command and the bookkeeping of the current game.
#pragma once

class Fl_Window;

// Builds the window (the toolkit's markup, symbols and sizes first); it lives until the end.
Fl_Window* buildMainWindow(int width, int height);
