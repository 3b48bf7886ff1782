#include "ui/main_window.h"
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Menu_Button.H>
#include <functional>
#include <vector>
#include "book/opening_book.h"
#include "enddb/database.h"
#include "ui/board_seat.h"
#include "ui/board_view.h"
#include "ui/browser_log.h"
#include "ui/controller/window_controller.h"
#include "ui/controller/window_ports.h"
#include "ui/history_tree.h"
#include "ui/info_dialogs.h"
#include "ui/markup.h"
#include "ui/piece_symbols.h"
#include "ui/player_line_view.h"
#include "ui/toolkit_dialogs.h"
#include "ui/toolkit_loop.h"
#include "ui/window_layout.h"
#include "version.h"

namespace {

const char* const HowToBegin = "Game > New... (Ctrl+N) starts a game";
const char* const WindowClass = "tarvenn";  // StartupWMClass of the menu entry

void place(Fl_Widget* widget, const Box& box) { widget->resize(box.x, box.y, box.w, box.h); }

Fl_Menu_Item& menuItem(Fl_Menu_* menu, int index) { return ((Fl_Menu_Item*)menu->menu())[index]; }

void setActive(Fl_Menu_Item& item, bool on) {
  if (on) item.activate();
  else item.deactivate();
}

void setCheck(Fl_Menu_* menu, int item, bool on) {
  if (on) menuItem(menu, item).set();
  else menuItem(menu, item).clear();
}

// A menu entry: its label, key, flags, what it does, and the command rule that greys it.
struct MenuEntry {
  const char* label;
  int shortcut;
  void (WindowController::*command)();
  int flags;
  bool CommandStates::*enabledBy;  // none: always active
};

const MenuEntry ControllerMenu[] = {
    {"@wc &Game/@UpArrow &New...", FL_CTRL + 'n', &WindowController::newGame, 0, nullptr},
    {"@wc &Game/&Open game...", FL_CTRL + 'o', &WindowController::openGame, 0, nullptr},
    {"@wc &Game/&Save game...", FL_CTRL + 's', &WindowController::saveGame, FL_MENU_DIVIDER, &CommandStates::save},
    {"@wc &Game/Cop&y position", FL_CTRL + FL_SHIFT + 'c', &WindowController::copyPosition, 0, &CommandStates::copy},
    {"@wc &Game/&Paste position", FL_CTRL + 'v', &WindowController::pastePosition, 0, nullptr},
    {"@wc &Game/Set &up position...", 0, &WindowController::setUpPosition, FL_MENU_DIVIDER, nullptr},
    {"@wc &Game/Pause c&lock", FL_CTRL + 'p', &WindowController::pauseClock, FL_MENU_TOGGLE | FL_MENU_DIVIDER,
     &CommandStates::pauseClock},
    {"@wc &Game/@C3@1+ @n &Cancel", FL_CTRL + 'c', &WindowController::cancelGame, FL_MENU_DIVIDER,
     &CommandStates::cancel},
};
const MenuEntry MoveMenu[] = {
    {"@b;M @n &Move/Offer &draw", FL_ALT + 'd', &WindowController::offerDraw, FL_MENU_INACTIVE,
     &CommandStates::offerDraw},
    {"@b;M @n &Move/Move &now", FL_CTRL + 'm', &WindowController::moveNow, FL_MENU_INACTIVE, &CommandStates::moveNow},
    {"@b;M @n &Move/&Take back", FL_CTRL + 'z', &WindowController::takeBack, FL_MENU_INACTIVE,
     &CommandStates::takeBack},
    {"@b;M @n &Move/&Replay", FL_CTRL + 'y', &WindowController::replay, FL_MENU_INACTIVE, &CommandStates::replay},
    {"@b;M @n &Move/&Hint", FL_CTRL + 'h', &WindowController::hint, FL_MENU_INACTIVE, &CommandStates::hint},
    {"@b;M @n &Move/Re&sign", 0, &WindowController::resign, FL_MENU_INACTIVE, &CommandStates::resign},
};
const MenuEntry PopupMenu[] = {
    {"&evaluate situation after this move", 0, &WindowController::evaluateFocused, 0, &CommandStates::analysis},
    {"show &best move in this situation", 0, &WindowController::showBestReply, 0, &CommandStates::analysis},
};

}  // namespace

// The window's widgets as the controller's views, and its commands.
struct MainWindow::Parts : WindowViews {
  MainWindow* window;
  ToolkitLoop loop;
  ToolkitDialogs dialogs{loop};
  Fl_Menu_Bar* menu = nullptr;
  BoardView* mainBoard = nullptr;
  BoardView* smallBoard = nullptr;
  Fl_Box* status = nullptr;
  LogBrowser* logBrowser = nullptr;
  std::unique_ptr<BrowserLog> messages;
  HistoryTree* history = nullptr;
  Fl_Menu_Button* popup = nullptr;
  std::unique_ptr<BoardSeat> boardSeat;
  std::unique_ptr<WindowController> controller;
  std::vector<std::pair<int, bool CommandStates::*>> ruledItems;  // menu bar items greyed by a rule
  std::vector<std::unique_ptr<std::function<void()>>> actions;    // what each menu item does
  bool fullScreen = false;
  int savedX = 0, savedY = 0, savedW = 0, savedH = 0;
  int fullScreenItem = -1, namesItem = -1, flipItem = -1, pauseItem = -1;
  PlayerLineView* topPlayer = nullptr;
  PlayerLineView* bottomPlayer = nullptr;
  PlayerLines players;  // as last shown

  explicit Parts(MainWindow* window) : window(window) {}

  // WindowViews
  GameView& board() override { return *mainBoard; }
  PersonSeat& seat() override { return *boardSeat; }
  MessageLog& log() override { return *messages; }
  void showStatus(const std::string& text) override {
    status->copy_label(text.c_str());
    status->redraw();
  }
  void showCommands(const CommandStates& states) override {
    for (const auto& item : ruledItems) setActive(menuItem(menu, item.first), states.*item.second);
    for (int i = 0; i < popup->size() - 1; ++i) setActive(menuItem(popup, i), states.analysis);
    if (pauseItem >= 0) setCheck(menu, pauseItem, states.clockHeld);
  }
  // Black's line above the board and White's below it, the other way round when flipped.
  void showPlayers(const PlayerLines& lines) override {
    const bool relayout = lines.shown != players.shown;
    players = lines;
    topPlayer->showLine(mainBoard->flipped ? lines.white : lines.black);
    bottomPlayer->showLine(mainBoard->flipped ? lines.black : lines.white);
    if (relayout) window->placeParts(window->w(), window->h());
  }
  bool flipped() const override { return mainBoard->flipped; }
  void setFlipped(bool flipped) override {
    for (BoardView* board : {mainBoard, smallBoard}) {
      board->flipped = flipped;
      board->redraw();
    }
    setCheck(menu, flipItem, flipped);
    showPlayers(players);
  }
  void showRecord(GameRecord* record) override { history->setRecord(record); }
  void followRecord() override { history->follow(); }
  HistoryEntry* focusedEntry() override { return history->focusedEntry(); }
  void showAnalysis(HistoryEntry& entry, int best) override {
    history->refreshLabels();
    if (best >= 0) history->selectReplyOf(entry, best);
  }

  // Menu items call what they are given.
  static void onMenu(Fl_Widget*, void* action) { (*(std::function<void()>*)action)(); }
  void* action(std::function<void()> call) {
    actions.push_back(std::unique_ptr<std::function<void()>>(new std::function<void()>(std::move(call))));
    return actions.back().get();
  }
  void addEntries(Fl_Menu_* to, const MenuEntry* entries, int count) {
    for (int i = 0; i < count; ++i) {
      const MenuEntry& e = entries[i];
      auto command = e.command;
      const int item = to->add(e.label, e.shortcut, onMenu, action([this, command] { (controller.get()->*command)(); }),
                               e.flags);
      if (e.enabledBy && to == menu) ruledItems.push_back({item, e.enabledBy});
      if (e.command == &WindowController::pauseClock) pauseItem = item;
    }
  }
  int addItem(const char* label, int shortcut, std::function<void()> call, int flags = 0) {
    return menu->add(label, shortcut, onMenu, action(std::move(call)), flags);
  }

  void buildMenu(int width);
  void buildPopup();
  void quit();
  void toggleFullScreen();
  void toggleSquareNames();
};

void MainWindow::Parts::quit() {
  // Escape reaches the window's callback too; it must not end a game by accident.
  if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
  controller->quit();
}

void MainWindow::Parts::toggleFullScreen() {
  fullScreen = !fullScreen;
  if (fullScreen) {
    savedX = window->x();
    savedY = window->y();
    savedW = window->w();
    savedH = window->h();
    window->fullscreen();
  } else {
    window->fullscreen_off(savedX, savedY, savedW, savedH);
  }
  setCheck(menu, fullScreenItem, fullScreen);
}

void MainWindow::Parts::toggleSquareNames() {
  const bool names = !mainBoard->showNames;
  mainBoard->showNames = names;
  mainBoard->redraw();
  if (smallBoard->showNames != names) {
    smallBoard->showNames = names;
    smallBoard->redraw();
  }
  setCheck(menu, namesItem, names);
}

void MainWindow::Parts::buildMenu(int width) {
  menu = new Fl_Menu_Bar(0, 0, width, 20);
  addEntries(menu, ControllerMenu, sizeof ControllerMenu / sizeof ControllerMenu[0]);
  addItem("@wc &Game/@C1@1+ @n;&Quit", FL_ALT + FL_F + 4, [this] { quit(); });
  addEntries(menu, MoveMenu, sizeof MoveMenu / sizeof MoveMenu[0]);
  fullScreenItem = addItem("@b;V @n &View/&Full screen", 'f', [this] { toggleFullScreen(); }, FL_MENU_TOGGLE);
  namesItem = addItem("@b;V @n &View/&Show squares names", 's', [this] { toggleSquareNames(); }, FL_MENU_TOGGLE);
  flipItem = addItem("@b;V @n &View/Flip &board", FL_CTRL + 'r', [this] { controller->flipBoard(); }, FL_MENU_TOGGLE);
  addItem("@C3@b;?@n &Help/@C3@b;O@n &Opening book info", 0, showBookInfo);
  addItem("@C3@b;?@n &Help/@C3@b;E@n &End game database info", 0, showDatabaseInfo, FL_MENU_DIVIDER);
  addItem("@C3@b;?@n &Help/@C3@b;i@n &About", FL_F + 1, showAbout);
}

void MainWindow::Parts::buildPopup() {
  Fl_Group::current(nullptr);
  popup = new Fl_Menu_Button(0, 0, 0, 0);
  popup->type(Fl_Menu_Button::POPUP3);
  addEntries(popup, PopupMenu, sizeof PopupMenu / sizeof PopupMenu[0]);
}

void prepareToolkit() {
  FL_NORMAL_SIZE = 12;
  Fl_Window::default_xclass(WindowClass);  // the dialogs belong to the program too
  installMarkupLabels();
  registerPieceSymbols();
}

MainWindow::MainWindow(int width, int height)
    : Fl_Window(width, height, "Tarvenn v" TARVENN_VERSION " author: Odrowen"), parts(new Parts(this)) {
  Parts& p = *parts;
  end();
  p.buildPopup();
  begin();
  const WindowLayout layout = layoutFor(width, height);
  p.buildMenu(width);
  const Box& b = layout.board;
  p.mainBoard = new BoardView(b.x, b.y, b.w, b.h);
  p.mainBoard->emptyText = HowToBegin;
  const Box& s = layout.status;
  p.status = new Fl_Box(s.x, s.y, s.w, s.h);
  p.status->box(FL_THIN_DOWN_BOX);
  p.status->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
  const Box& l = layout.log;
  p.logBrowser = new LogBrowser(l.x, l.y, l.w, l.h);
  p.messages.reset(new BrowserLog(p.logBrowser));
  const Box& sb = layout.smallBoard;
  p.smallBoard = new BoardView(sb.x, sb.y, sb.w, sb.h);
  const Box& h = layout.history;
  p.history = new HistoryTree(h.x, h.y, h.w, h.h, p.smallBoard);
  p.history->setPopup(p.popup);
  p.topPlayer = new PlayerLineView(0, 0, 300, 20);
  p.bottomPlayer = new PlayerLineView(0, 0, 300, 20);
  p.topPlayer->hide();
  p.bottomPlayer->hide();
  resizable(this);
  size_range(MinWindowWidth, MinWindowHeight);
  end();
  callback([](Fl_Widget*, void* parts) { ((Parts*)parts)->quit(); }, &p);
  xclass(WindowClass);  // lets a desktop match the window to its menu entry and icon
  p.boardSeat.reset(new BoardSeat(*p.mainBoard));
  // A click on the board while no one plays there: it resumes a paused clock.
  p.mainBoard->callback(
      [](Fl_Widget* board, void* parts) {
        if (((BoardView*)board)->lastEvent == FL_PUSH) ((Parts*)parts)->controller->boardClicked();
      },
      &p);
  Fl::lock();  // once, before the first window shows: lets the worker wake the event loop
  p.controller.reset(new WindowController(p.loop, p, p.dialogs, endgameDatabase, Book));
  p.controller->refresh();
}

MainWindow::~MainWindow() {
  parts->controller.reset();  // stops the worker before the widgets go
}

void MainWindow::resize(int x, int y, int w, int h) {
  Fl_Window::resize(x, y, w, h);
  placeParts(w, h);
}

void MainWindow::placeParts(int w, int h) {
  if (!parts || !parts->menu) return;
  LayoutParts shown;
  shown.playerLines = parts->players.shown;
  const WindowLayout layout = layoutFor(w, h, shown);
  for (PlayerLineView* line : {parts->topPlayer, parts->bottomPlayer}) {
    if (shown.playerLines) line->show();
    else line->hide();
  }
  place(parts->topPlayer, layout.topPlayer.empty() ? Box{0, 0, 300, 20} : layout.topPlayer);
  place(parts->bottomPlayer, layout.bottomPlayer.empty() ? Box{0, 0, 300, 20} : layout.bottomPlayer);
  place(parts->menu, layout.menu);
  place(parts->mainBoard, layout.board);
  place(parts->status, layout.status);
  place(parts->logBrowser, layout.log);
  place(parts->history, layout.history);
  place(parts->smallBoard, layout.smallBoard);
  redraw();
}

void MainWindow::keepGamesInPlayAt(const std::string& path) { parts->controller->keepGamesInPlayAt(path); }

void MainWindow::offerGameInPlay() { parts->controller->offerGameInPlay(); }

MessageLog& MainWindow::log() { return *parts->messages; }
