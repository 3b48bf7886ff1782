#include "ui/main_window.h"
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Window.H>
#include <cstdlib>
#include <memory>
#include <vector>
#include "book/opening_book.h"
#include "enddb/database.h"
#include "search/analysis.h"
#include "search/computer_player.h"
#include "search/search_runner.h"
#include "ui/board_view.h"
#include "ui/browser_log.h"
#include "ui/gui_game.h"
#include "ui/history_tree.h"
#include "ui/info_dialogs.h"
#include "ui/markup.h"
#include "ui/new_game_dialog.h"
#include "ui/piece_symbols.h"
#include "ui/status_text.h"
#include "ui/window_layout.h"

namespace {

constexpr double StatusRefreshSeconds = 0.25;

// After every move the newest history row is selected and shown on the small board.
class HistoryFollower : public RecordObserver {
public:
  HistoryTree* history = nullptr;
  void recordChanged(GameRecord&) override { history->follow(); }
};

// Keeps the status line and the menus in step with the game.
class GameWatcher : public GameListener {
public:
  void gameChanged(Game&) override;
};

// The window places its parts itself, so that the board keeps its size at 600x500 and the
// log, not the board, takes what the window grows by below the board.
class MainWindowWidget : public Fl_Window {
public:
  using Fl_Window::Fl_Window;
  void resize(int x, int y, int w, int h) override;
};

struct MainWindow {
  MainWindowWidget* window = nullptr;
  Fl_Menu_Bar* menu = nullptr;
  BoardView* mainBoard = nullptr;
  BoardView* smallBoard = nullptr;
  Fl_Box* status = nullptr;
  LogBrowser* logBrowser = nullptr;
  BrowserLog* log = nullptr;
  HistoryTree* history = nullptr;
  Fl_Menu_Button* popup = nullptr;
  ThreadRunner* runner = nullptr;   // the one worker thread of the computer and the analysis
  GuiGame* game = nullptr;          // the current game, owned
  std::vector<GuiGame*> released;   // canceled games waiting until no call runs inside them
  int analysisJob = 0;
  HistoryFollower follower;
  GameWatcher watcher;
  bool fullScreen = false;
  int savedX = 0, savedY = 0, savedW = 0, savedH = 0;
  int fullScreenItem = -1, namesItem = -1, moveNowItem = -1;
};

MainWindow Main;

void place(Fl_Widget* widget, const Box& box) { widget->resize(box.x, box.y, box.w, box.h); }

void MainWindowWidget::resize(int x, int y, int w, int h) {
  Fl_Window::resize(x, y, w, h);
  const WindowLayout layout = layoutFor(w, h);
  place(Main.menu, layout.menu);
  place(Main.mainBoard, layout.board);
  place(Main.status, layout.status);
  place(Main.logBrowser, layout.log);
  place(Main.history, layout.history);
  place(Main.smallBoard, layout.smallBoard);
}

Fl_Menu_Item& menuItem(Fl_Menu_* menu, int index) { return ((Fl_Menu_Item*)menu->menu())[index]; }

void setCheck(int item, bool on) {
  if (on) menuItem(Main.menu, item).set();
  else menuItem(Main.menu, item).clear();
}

void setActive(Fl_Menu_Item& item, bool on) {
  if (on) item.activate();
  else item.deactivate();
}

ThinkingState thinkingOfCurrentGame() {
  if (!Main.game || Main.game->result() != InPlay) return {};
  Player* mover = Main.game->playerToMove();
  return mover ? mover->thinkingState() : ThinkingState{};
}

void refreshStatus(void* = nullptr);

// Move now while the computer thinks; the analysis commands while the worker is free.
void refreshCommands() {
  const bool thinking = thinkingOfCurrentGame().thinking;
  setActive(menuItem(Main.menu, Main.moveNowItem), thinking);
  const bool free = !Main.runner->busy();
  for (int i = 0; i < Main.popup->size() - 1; ++i) setActive(menuItem(Main.popup, i), free);
}

void refreshStatus(void*) {
  StatusFacts facts;
  if (GuiGame* game = Main.game) {
    facts.hasGame = true;
    facts.result = game->result();
    facts.blackToMove = !game->whiteToMove();
    facts.thinking = thinkingOfCurrentGame();
  }
  facts.analysing = Main.analysisJob != 0;
  Main.status->copy_label(statusText(facts).c_str());
  Main.status->redraw();
  // A few times a second while a search runs, so that its depth and time are seen to move.
  Fl::remove_timeout(refreshStatus);
  if (facts.thinking.thinking || facts.analysing) Fl::add_timeout(StatusRefreshSeconds, refreshStatus);
}

void GameWatcher::gameChanged(Game&) {
  refreshCommands();
  refreshStatus();
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

void stopAnalysis() {
  Main.runner->cancel(Main.analysisJob);
  Main.analysisJob = 0;
}

// Cancels the current game and lets it go; the history no longer shows it.
void releaseGame() {
  stopAnalysis();  // it writes into the game's history
  GuiGame* game = Main.game;
  Main.game = nullptr;
  Main.history->setRecord(nullptr);  // its rows point into the game's record
  if (game) {
    game->cancelGame();
    game->listeners.clear();
    Main.released.push_back(game);
    Fl::remove_timeout(deleteReleased);
    Fl::add_timeout(0, deleteReleased);
  }
  refreshCommands();
  refreshStatus();
}

void newGame(Fl_Widget*, void*) {
  GuiGame* game = runNewGameDialog();
  if (!game) return;
  Main.mainBoard->detachInput();
  game->log = Main.log;
  releaseGame();
  Main.game = game;
  game->listeners.push_back(&Main.watcher);
  game->view = Main.mainBoard;
  Main.mainBoard->clearMarks();  // the last game's frames do not belong to this one
  Main.mainBoard->showPosition(game->currentPosition(), 0);
  Main.history->setRecord(&game->record);
  game->record.addObserver(&Main.follower);
  game->startGame();
  refreshStatus();
}

void cancelGame(Fl_Widget*, void*) { releaseGame(); }

void quit(Fl_Widget*, void*) {
  // Escape reaches the window's callback too; it must not end a game by accident.
  if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
  releaseGame();
  Main.runner->shutdown();  // the search stops within milliseconds
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

void moveNow(Fl_Widget*, void*) {
  if (!Main.game || Main.game->result() != InPlay) return;
  if (Player* mover = Main.game->playerToMove()) mover->moveNow();
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

// The analysis runs on the worker; its values reach the entries here, on the window's thread.
void analyseFocused(bool replies) {
  HistoryEntry* entry = Main.history->focusedEntry();
  if (!entry || Main.runner->busy()) return;
  auto plan = std::make_shared<AnalysisPlan>(replies ? planReplyEvaluation(*entry) : planEntryEvaluation(*entry));
  Main.analysisJob = Main.runner->start([plan](Search& search) { runAnalysis(search, *plan); },
                                        [plan, replies] {
                                          Main.analysisJob = 0;
                                          applyAnalysis(*plan);
                                          Main.history->refreshLabels();
                                          if (replies) {
                                            const int best = markedBestReply(*plan->entry);
                                            if (best >= 0) Main.history->selectReplyOf(*plan->entry, best);
                                          }
                                          refreshCommands();
                                          refreshStatus();
                                        });
  refreshCommands();
  refreshStatus();
}

void evaluateFocused(Fl_Widget*, void*) { analyseFocused(false); }
void showBestReply(Fl_Widget*, void*) { analyseFocused(true); }

void buildMenu(int width) {
  Fl_Menu_Bar* m = Main.menu = new Fl_Menu_Bar(0, 0, width, 20);
  m->add("@wc &Game/@UpArrow &New...", FL_CTRL + 'n', newGame);
  m->add("@wc &Game/@C3@1+ @n &Cancel", FL_CTRL + 'c', cancelGame, nullptr, FL_MENU_DIVIDER);
  m->add("@wc &Game/@C1@1+ @n;&Quit", FL_ALT + FL_F + 4, quit);
  m->add("@b;M @n &Move/Offer &draw", FL_ALT + 'd', offerDraw);
  Main.moveNowItem = m->add("@b;M @n &Move/Move &now", FL_CTRL + 'm', moveNow, nullptr, FL_MENU_INACTIVE);
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

// Runs a call from the worker on the window's thread.
void runPosted(void* call) {
  std::unique_ptr<std::function<void()>> owned((std::function<void()>*)call);
  (*owned)();
}

void startWorker() {
  Fl::lock();  // once, before the first window: lets the worker wake the event loop
  Main.runner = new ThreadRunner(endgameDatabase, [](std::function<void()> call) {
    Fl::awake(runPosted, new std::function<void()>(std::move(call)));
  });
  for (PlayerType* type : playerTypes())
    if (ComputerPlayerType* computer = dynamic_cast<ComputerPlayerType*>(type)) {
      computer->runner = Main.runner;
      computer->book = &Book;
    }
}

}  // namespace

void prepareToolkit() {
  FL_NORMAL_SIZE = 12;
  installMarkupLabels();
  registerPieceSymbols();
}

Fl_Window* buildMainWindow(int width, int height) {
  prepareToolkit();
  startWorker();
  buildPopup();
  const WindowLayout layout = layoutFor(width, height);
  MainWindowWidget* window = Main.window = new MainWindowWidget(width, height, "Tarvenn v0.7 author: Odrowen");
  buildMenu(width);
  const Box& b = layout.board;
  Main.mainBoard = new BoardView(b.x, b.y, b.w, b.h);
  const Box& s = layout.status;
  Main.status = new Fl_Box(s.x, s.y, s.w, s.h);
  Main.status->box(FL_THIN_DOWN_BOX);
  Main.status->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
  const Box& l = layout.log;
  Main.logBrowser = new LogBrowser(l.x, l.y, l.w, l.h);
  Main.log = new BrowserLog(Main.logBrowser);
  const Box& sb = layout.smallBoard;
  Main.smallBoard = new BoardView(sb.x, sb.y, sb.w, sb.h);
  const Box& h = layout.history;
  Main.history = new HistoryTree(h.x, h.y, h.w, h.h, Main.smallBoard);
  Main.history->setPopup(Main.popup);
  window->resizable(window);
  window->size_range(MinWindowWidth, MinWindowHeight);
  window->end();
  window->callback(quit);
  Main.follower.history = Main.history;
  refreshStatus();
  return window;
}
