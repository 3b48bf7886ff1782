// The main window: menu bar, main board, message log, history browser with its small board
// and pop-up menu. It places its parts and hands every command to its window controller.
#pragma once
#include <FL/Fl_Window.H>
#include <memory>
#include <string>

class Fl_Menu_;
class MessageLog;

// The program's look for every window: label markup, piece symbols, 12-pixel text.
void prepareToolkit();
// The status line's box as the window shows it (the window tests draw a reference with it).
class Fl_Box;
Fl_Box* makeStatusLine(int x, int y, int w, int h);

class MainWindow : public Fl_Window {
public:
  // After prepareToolkit; starts the worker thread.
  MainWindow(int width, int height);
  ~MainWindow() override;
  // The window places its parts itself (see window_layout.h): a square board as large as the
  // window allows, and no wide empty band at any size.
  void resize(int x, int y, int w, int h) override;
  // Where Quit and closing keep a game in play.
  void keepGamesInPlayAt(const std::string& path);
  // Asks whether to resume the game kept there, if there is one; called once the window shows.
  void offerGameInPlay();
  // The message log, for the program's own lines too (on the window's thread).
  MessageLog& log();
  // The history's pop-up menu, which belongs to no group of the window.
  Fl_Menu_* popupMenu() const;

  struct Parts;

private:
  std::unique_ptr<Parts> parts;

  // Lays the parts out for the window's size and the parts shown.
  void placeParts();
};
