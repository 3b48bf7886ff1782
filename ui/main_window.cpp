#include "ui/main_window.h"
#include <FL/Fl.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Window.H>
#include <cstdlib>
#include <vector>
#include "search/analysis.h"
#include "ui/board_view.h"
#include "ui/browser_log.h"
#include "ui/gui_game.h"
#include "ui/history_tree.h"
#include "ui/info_dialogs.h"
#include "ui/markup.h"
#include "ui/new_game_dialog.h"
#include "ui/piece_symbols.h"

namespace {

// After every move the newest history row is selected and shown on the small board.
class HistoryFollower : public RecordObserver {
public:
  HistoryTree* history = nullptr;
  void recordChanged(GameRecord&) override { history->follow(); }
};

struct MainWindow {
  Fl_Window* window = nullptr;
  Fl_Menu_Bar* menu = nullptr;
  BoardView* mainBoard = nullptr;
  BoardView* smallBoard = nullptr;
  LogBrowser* logBrowser = nullptr;
  BrowserLog* log = nullptr;
  HistoryTree* history = nullptr;
  Fl_Menu_Button* popup = nullptr;
  GuiGame* game = nullptr;            // the current game, owned
  std::vector<GuiGame*> released;     // canceled games waiting until no call runs inside them
  HistoryFollower follower;
  bool fullScreen = false;
  int savedX = 0, savedY = 0, savedW = 0, savedH = 0;
  int fullScreenItem = -1, namesItem = -1;
};

MainWindow Main;

void setCheck(int item, bool on) {
  Fl_Menu_Item* items = (Fl_Menu_Item*)Main.menu->menu();
  if (on) items[item].set();
  else items[item].clear();
}

// Deletes released games once nothing runs inside them (a draw question may still be open).
void deleteReleased(void*) {
  std::vector<GuiGame*> busy;
  for (GuiGame* game : Main.released) {
    if (game->inCall()) busy.push_back(game);
    else delete game;
  }
  Main.released = busy;
  if (!busy.empty()) Fl::repeat_timeout(0.05, deleteReleased);
}

// Cancels the current game and lets it go; the history no longer shows it.
void releaseGame() {
  GuiGame* game = Main.game;
  Main.game = nullptr;
  Main.history->setRecord(nullptr);  // its rows point into the game's record
  if (!game) return;
  game->cancelGame();
  Main.released.push_back(game);
  Fl::remove_timeout(deleteReleased);
  Fl::add_timeout(0, deleteReleased);
}

void newGame(Fl_Widget*, void*) {
  GuiGame* game = runNewGameDialog();
  if (!game) return;
  Main.mainBoard->detachInput();
  game->log = Main.log;
  releaseGame();
  Main.game = game;
  game->view = Main.mainBoard;
  Main.mainBoard->clearMarks();  // the last game's frames do not belong to this one
  Main.mainBoard->showPosition(game->currentPosition(), 0);
  Main.history->setRecord(&game->record);
  game->record.addObserver(&Main.follower);
  game->startGame();
}

void cancelGame(Fl_Widget*, void*) { releaseGame(); }

void quit(Fl_Widget*, void*) {
  // Escape reaches the window's callback too; it must not end a game by accident.
  if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
  cancelGame(nullptr, nullptr);
  std::exit(0);
}

void offerDraw(Fl_Widget*, void*) {
  GuiGame* game = Main.game;
  if (!game || game->view != Main.mainBoard || !Main.mainBoard->hasInputHandler()) return;
  if (!game->offerDraw()) return;
  Main.mainBoard->detachInput();
  Main.mainBoard->clearMarks();
  Main.mainBoard->redraw();
}

void toggleFullScreen(Fl_Widget*, void*) {
  Main.fullScreen = !Main.fullScreen;
  if (Main.fullScreen) {
    Main.savedX = Main.window->x();
    Main.savedY = Main.window->y();
    Main.savedW = Main.window->w();
    Main.savedH = Main.window->h();
    Main.window->fullscreen();
  } else {
    Main.window->fullscreen_off(Main.savedX, Main.savedY, Main.savedW, Main.savedH);
  }
  setCheck(Main.fullScreenItem, Main.fullScreen);
}

void toggleSquareNames(Fl_Widget*, void*) {
  const bool names = !Main.mainBoard->showNames;
  Main.mainBoard->showNames = names;
  Main.mainBoard->redraw();
  if (Main.smallBoard->showNames != names) {
    Main.smallBoard->showNames = names;
    Main.smallBoard->redraw();
  }
  setCheck(Main.namesItem, names);
}

void bookInfo(Fl_Widget*, void*) { showBookInfo(); }
void databaseInfo(Fl_Widget*, void*) { showDatabaseInfo(); }
void about(Fl_Widget*, void*) { showAbout(); }

void evaluateFocused(Fl_Widget*, void*) {
  HistoryEntry* entry = Main.history->focusedEntry();
  if (!entry) return;
  evaluateEntry(*entry);
  Main.history->refreshLabels();
}

void showBestReply(Fl_Widget*, void*) {
  HistoryEntry* entry = Main.history->focusedEntry();
  if (!entry) return;
  const int best = bestReplyIndex(*entry);
  Main.history->refreshLabels();
  if (best >= 0) Main.history->selectReply(best);
}

void buildMenu(int width) {
  Fl_Menu_Bar* m = Main.menu = new Fl_Menu_Bar(0, 0, width, 20);
  m->add("@wc &Game/@UpArrow &New...", FL_CTRL + 'n', newGame);
  m->add("@wc &Game/@C3@1+ @n &Cancel", FL_CTRL + 'c', cancelGame, nullptr, FL_MENU_DIVIDER);
  m->add("@wc &Game/@C1@1+ @n;&Quit", FL_ALT + FL_F + 4, quit);
  m->add("@b;M @n &Move/Offer &draw", FL_ALT + 'd', offerDraw);
  Main.fullScreenItem = m->add("@b;V @n &View/&Full screen", 'f', toggleFullScreen, nullptr, FL_MENU_TOGGLE);
  Main.namesItem = m->add("@b;V @n &View/&Show squares names", 's', toggleSquareNames, nullptr, FL_MENU_TOGGLE);
  m->add("@C3@b;?@n &Help/@C3@b;O@n &Opening book info", 0, bookInfo);
  m->add("@C3@b;?@n &Help/@C3@b;E@n &End game database info", 0, databaseInfo, nullptr, FL_MENU_DIVIDER);
  m->add("@C3@b;?@n &Help/@C3@b;i@n &About", FL_F + 1, about);
}

void buildPopup() {
  Fl_Group::current(nullptr);
  Main.popup = new Fl_Menu_Button(0, 0, 0, 0);
  Main.popup->type(Fl_Menu_Button::POPUP3);
  Main.popup->add("&evaluate situation after this move", 0, evaluateFocused);
  Main.popup->add("show &best move in this situation", 0, showBestReply);
}

}  // namespace

void prepareToolkit() {
  FL_NORMAL_SIZE = 12;
  installMarkupLabels();
  registerPieceSymbols();
}

Fl_Window* buildMainWindow(int width, int height) {
  prepareToolkit();
  buildPopup();
  Fl_Window* window = Main.window = new Fl_Window(width, height, "Tarvenn v0.7 author: Odrowen");
  buildMenu(width);
  Main.mainBoard = new BoardView(0, 20, 400, 380);
  Main.logBrowser = new LogBrowser(0, 400, 400, 100);
  Main.log = new BrowserLog(Main.logBrowser);
  Fl_Group* panel = new Fl_Group(400, 20, 200, height - 20);
  const int historyHeight = panel->h() - 200;
  Main.smallBoard = new BoardView(400, 20 + historyHeight, 200, 200);
  Main.history = new HistoryTree(400, 20, 200, historyHeight, Main.smallBoard);
  Main.history->setPopup(Main.popup);
  panel->resizable(Main.history);
  panel->end();
  window->resizable(Main.mainBoard);
  window->end();
  window->callback(quit);
  Main.follower.history = Main.history;
  return window;
}
