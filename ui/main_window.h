// The main window: menu bar, main board, message log, history browser with its small board
// and pop-up menu; every menu command and the bookkeeping of the current game.
#pragma once

#include <string>

class Fl_Window;

// The program's look for every window: label markup, piece symbols, 12-pixel text.
void prepareToolkit();
// Builds the window (after prepareToolkit); it lives until the process ends.
Fl_Window* buildMainWindow(int width, int height);
// Where Quit and closing keep a game in play.
void keepGamesInPlayAt(const std::string& path);
// Writes a line of the program's own (not a game's) into the log; on the window's thread.
void logProgramNote(const std::string& text);
// Asks whether to resume the game kept there, if there is one; called once the window shows.
void offerGameInPlay();
