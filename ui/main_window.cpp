#include "ui/main_window.h"
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/fl_ask.H>
#include <algorithm>
#include <functional>
#include <vector>
#include "book/opening_book.h"
#include "enddb/database.h"
#include "files/file_locations.h"
#include "game/settings.h"
#include "i18n/language.h"
#include "i18n/translate.h"
#include "ui/analysis_panel.h"
#include "ui/board_feedback.h"
#include "ui/board_sounds.h"
#include "ui/board_theme.h"
#include "ui/board_seat.h"
#include "ui/board_view.h"
#include "ui/browser_log.h"
#include "ui/controller/window_controller.h"
#include "ui/controller/window_ports.h"
#include "ui/evaluation_graph_view.h"
#include "ui/history_tree.h"
#include "ui/info_dialogs.h"
#include "ui/markup.h"
#include "ui/message_boxes.h"
#include "ui/piece_symbols.h"
#include "ui/player_line_view.h"
#include "ui/program_icon.h"
#include "ui/toolkit_dialogs.h"
#include "ui/toolkit_loop.h"
#include "ui/window_layout.h"
#include "version.h"

namespace {

const char* const HowToBegin = N_("Game > New... (Ctrl+N) starts a game");
const char* const WindowClass = "tarvenn";  // StartupWMClass of the menu entry
const LayoutParts ShownParts = {false, false, false, true};  // at first: the coordinates around the main board
constexpr int AboutIconSize = 48;

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
    {N_("@wc &Game/@UpArrow &New..."), FL_CTRL + 'n', &WindowController::newGame, 0, nullptr},
    {N_("@wc &Game/&Open game..."), FL_CTRL + 'o', &WindowController::openGame, 0, nullptr},
    {N_("@wc &Game/&Save game..."), FL_CTRL + 's', &WindowController::saveGame, FL_MENU_DIVIDER, &CommandStates::save},
    {N_("@wc &Game/Cop&y position"), FL_CTRL + FL_SHIFT + 'c', &WindowController::copyPosition, 0, &CommandStates::copy},
    {N_("@wc &Game/&Paste position"), FL_CTRL + 'v', &WindowController::pastePosition, 0, nullptr},
    {N_("@wc &Game/Set &up position..."), 0, &WindowController::setUpPosition, FL_MENU_DIVIDER, nullptr},
    {N_("@wc &Game/Re&view game..."), 0, &WindowController::reviewGame, 0, &CommandStates::review},
    {N_("@wc &Game/Pause c&lock"), FL_CTRL + 'p', &WindowController::pauseClock, FL_MENU_TOGGLE | FL_MENU_DIVIDER,
     &CommandStates::pauseClock},
    {N_("@wc &Game/@C3@1+ @n &Cancel"), FL_CTRL + 'c', &WindowController::cancelGame, FL_MENU_DIVIDER,
     &CommandStates::cancel},
};
const MenuEntry MoveMenu[] = {
    {N_("@b;M @n &Move/Offer &draw"), FL_ALT + 'd', &WindowController::offerDraw, FL_MENU_INACTIVE,
     &CommandStates::offerDraw},
    {N_("@b;M @n &Move/Move &now"), FL_CTRL + 'm', &WindowController::moveNow, FL_MENU_INACTIVE, &CommandStates::moveNow},
    {N_("@b;M @n &Move/&Take back"), FL_CTRL + 'z', &WindowController::takeBack, FL_MENU_INACTIVE,
     &CommandStates::takeBack},
    {N_("@b;M @n &Move/&Replay"), FL_CTRL + 'y', &WindowController::replay, FL_MENU_INACTIVE, &CommandStates::replay},
    {N_("@b;M @n &Move/&Hint"), FL_CTRL + 'h', &WindowController::hint, FL_MENU_INACTIVE, &CommandStates::hint},
    {N_("@b;M @n &Move/Re&sign"), 0, &WindowController::resign, FL_MENU_INACTIVE | FL_MENU_DIVIDER,
     &CommandStates::resign},
    {N_("@b;M @n &Move/&Back"), FL_ALT + FL_Left, &WindowController::back, FL_MENU_INACTIVE, &CommandStates::back},
    {N_("@b;M @n &Move/&Forward"), FL_ALT + FL_Right, &WindowController::forward, FL_MENU_INACTIVE,
     &CommandStates::forward},
    {N_("@b;M @n &Move/&Play from here..."), 0, &WindowController::playFromHere, FL_MENU_INACTIVE,
     &CommandStates::playFromHere},
};
const MenuEntry PopupMenu[] = {
    {N_("&evaluate situation after this move"), 0, &WindowController::evaluateFocused, 0, &CommandStates::analysis},
    {N_("show &best move in this situation"), 0, &WindowController::showBestReply, 0, &CommandStates::analysis},
};

// The About box with the program's icon, read when it is asked for rather than at every start.
void showAboutWithIcon() {
  std::unique_ptr<Fl_RGB_Image> icon(loadProgramIcon(installedFolders(currentFileEnvironment())));
  std::unique_ptr<Fl_Image> small(icon ? icon->copy(AboutIconSize, AboutIconSize) : nullptr);
  showAbout(small.get());
}

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
  AnalysisPanel* analysisPanel = nullptr;
  EvaluationStrip* strip = nullptr;
  LayoutParts shownParts = ShownParts;  // the parts the layout gives room to
  Fl_Menu_Button* popup = nullptr;
  std::unique_ptr<BoardSeat> boardSeat;
  BoardSounds sounds{installedFolders(currentFileEnvironment())};
  std::unique_ptr<BoardFeedback> feedback;
  BoardChoices boardChoices;
  std::unique_ptr<WindowController> controller;
  std::vector<std::pair<int, bool CommandStates::*>> ruledItems;  // menu bar items greyed by a rule
  std::vector<std::unique_ptr<std::function<void()>>> actions;    // what each menu item does
  bool fullScreen = false;
  int savedX = 0, savedY = 0, savedW = 0, savedH = 0;
  int fullScreenItem = -1, namesItem = -1, flipItem = -1, analysisItem = -1, pauseItem = -1;
  int themeItems[BoardThemeCount] = {}, pieceItems[PieceSetCount] = {}, animationItem = -1, soundItem = -1;
  // Left and Right on the focused board step through the analysis board's moves.
  std::function<void(bool)> stepKeys = [this](bool forward) {
    if (forward) controller->forward();
    else controller->back();
  };
  PlayerLineView* topPlayer = nullptr;
  PlayerLineView* bottomPlayer = nullptr;
  PlayerLines players;  // as last shown

  explicit Parts(MainWindow* window) : window(window) {}

  // WindowViews
  GameView& board() override { return *feedback; }
  PersonSeat& seat() override { return *boardSeat; }
  MessageLog& log() override { return *messages; }
  void showStatus(const std::string& text) override {
    status->copy_label(text.c_str());
    status->redraw();
  }
  void showCommands(const CommandStates& states) override {
    for (const auto& item : ruledItems) setActive(menuItem(menu, item.first), states.*item.second);
    for (int i = 0; i < popup->size() - 1; ++i) setActive(menuItem(popup, i), states.analysis);
    setCheck(menu, analysisItem, states.analysisBoardShown);
    mainBoard->onStep = states.analysisBoardShown ? stepKeys : nullptr;
    if (shownParts.analysisPanel != states.analysisBoardShown) {
      shownParts.analysisPanel = states.analysisBoardShown;
      window->placeParts();
    }
    if (pauseItem >= 0) setCheck(menu, pauseItem, states.clockHeld);
  }
  // Black's line above the board and White's below it, the other way round when flipped.
  void showPlayers(const PlayerLines& lines) override {
    const bool relayout = lines.shown != players.shown;
    players = lines;
    topPlayer->showLine(mainBoard->flipped ? lines.white : lines.black);
    bottomPlayer->showLine(mainBoard->flipped ? lines.black : lines.white);
    if (relayout) window->placeParts();
  }
  void showReviewProgress(int done, int total) override {
    strip->showProgress(done, total);
    fitStrip();
  }
  void showEvaluationGraph(const std::vector<GraphPoint>& points) override {
    strip->showPoints(points);
    fitStrip();
  }
  void showMoveMarks() override { history->refreshLabels(); }
  void clockRunsLow() override { feedback->playLowClock(); }
  // The strip below the board takes room only while it has something to show.
  void fitStrip() {
    if (shownParts.evaluationGraph == strip->inUse()) return;
    shownParts.evaluationGraph = strip->inUse();
    window->placeParts();
  }
  void showAnalysisLines(const std::vector<AnalysisRow>& rows) override { analysisPanel->showRows(rows); }
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
      const int item = to->add(_(e.label), e.shortcut, onMenu, action([this, command] { (controller.get()->*command)(); }),
                               e.flags);
      if (e.enabledBy && to == menu) ruledItems.push_back({item, e.enabledBy});
      if (e.command == &WindowController::pauseClock) pauseItem = item;
    }
  }
  int addItem(const char* label, int shortcut, std::function<void()> call, int flags = 0) {
    return menu->add(_(label), shortcut, onMenu, action(std::move(call)), flags);
  }

  void buildMenu(int width);
  void buildPopup();
  void quit();
  void toggleFullScreen();
  void toggleSquareNames();
  void buildBoardMenu();
  void applyBoardChoices();
  void keepBoardChoices();
  void chooseLanguage(int index);
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

// The choice is kept for the next start: the texts already shown cannot change their language.
void MainWindow::Parts::chooseLanguage(int index) {
  std::string error;
  if (!saveLanguageChoice(Languages[index].code, error)) {
    showAlert("%s", plainForMarkup(formatText(_("The language cannot be kept: %s"), error.c_str())).c_str());
    return;
  }
  showMessage("%s", plainForMarkup(_("Tarvenn speaks the chosen language from its next start.")).c_str());
}

void MainWindow::Parts::buildMenu(int width) {
  menu = new Fl_Menu_Bar(0, 0, width, 20);
  addEntries(menu, ControllerMenu, sizeof ControllerMenu / sizeof ControllerMenu[0]);
  addItem(N_("@wc &Game/@C1@1+ @n;&Quit"), FL_ALT + FL_F + 4, [this] { quit(); });
  addEntries(menu, MoveMenu, sizeof MoveMenu / sizeof MoveMenu[0]);
  fullScreenItem = addItem(N_("@b;V @n &View/&Full screen"), 'f', [this] { toggleFullScreen(); }, FL_MENU_TOGGLE);
  namesItem = addItem(N_("@b;V @n &View/&Show squares names"), 's', [this] { toggleSquareNames(); }, FL_MENU_TOGGLE);
  flipItem = addItem(N_("@b;V @n &View/Flip &board"), FL_CTRL + 'r', [this] { controller->flipBoard(); },
                     FL_MENU_TOGGLE);
  analysisItem = addItem(N_("@b;V @n &View/&Analysis board"), FL_CTRL + 'a', [this] { controller->toggleAnalysisBoard(); },
                         FL_MENU_TOGGLE | FL_MENU_DIVIDER);
  buildBoardMenu();
  // The language names stay in their own language; only the submenu's path is translated.
  const int chosen = std::max(0, languageIndex(loadLanguageChoice()));
  for (int i = 0; i < LanguageCount; ++i) {
    const std::string name = i == 0 ? _(Languages[0].name) : Languages[i].name;
    const std::string path = std::string(_("@b;V @n &View/&Language")) + "/" + name;
    const int item = menu->add(path.c_str(), 0, onMenu, action([this, i] { chooseLanguage(i); }), FL_MENU_RADIO);
    if (i == chosen) menuItem(menu, item).set();
  }
  addItem(N_("@C3@b;?@n &Help/@C3@b;O@n &Opening book info"), 0, showBookInfo);
  addItem(N_("@C3@b;?@n &Help/@C3@b;E@n &End game database info"), 0, showDatabaseInfo, FL_MENU_DIVIDER);
  addItem(N_("@C3@b;?@n &Help/@C3@b;i@n &About"), FL_F + 1, showAboutWithIcon);
}

// View > Board style: the boards, then the piece sets; Animation and Sound below.
void MainWindow::Parts::buildBoardMenu() {
  const std::string style = std::string(_("@b;V @n &View/Board st&yle")) + "/";
  for (int i = 0; i < BoardThemeCount; ++i) {
    const int flags = FL_MENU_RADIO | (i == BoardThemeCount - 1 ? FL_MENU_DIVIDER : 0);
    themeItems[i] = addItem((style + _(BoardThemes[i].label)).c_str(), 0, [this, i] {
      boardChoices.style = BoardThemes[i].name;
      keepBoardChoices();
    }, flags);
  }
  for (int i = 0; i < PieceSetCount; ++i)
    pieceItems[i] = addItem((style + _(PieceSets[i].label)).c_str(), 0, [this, i] {
      boardChoices.pieces = PieceSets[i].name;
      keepBoardChoices();
    }, FL_MENU_RADIO);
  animationItem = addItem(N_("@b;V @n &View/A&nimation"), 0, [this] {
    boardChoices.animation = !boardChoices.animation;
    keepBoardChoices();
  }, FL_MENU_TOGGLE);
  soundItem = addItem(N_("@b;V @n &View/So&und"), 0, [this] {
    boardChoices.sound = !boardChoices.sound;
    keepBoardChoices();
  }, FL_MENU_TOGGLE);
}

// Shows the choices at once on both boards and in the menu's marks.
void MainWindow::Parts::applyBoardChoices() {
  const BoardLook look = boardLookFor(boardChoices);
  boardChoices.style = BoardThemes[look.theme].name;
  boardChoices.pieces = PieceSets[look.pieces].name;
  for (BoardView* board : {mainBoard, smallBoard}) {
    board->look = look;
    board->redraw();
  }
  for (int i = 0; i < BoardThemeCount; ++i) setCheck(menu, themeItems[i], i == look.theme);
  for (int i = 0; i < PieceSetCount; ++i) setCheck(menu, pieceItems[i], i == look.pieces);
  setCheck(menu, animationItem, boardChoices.animation);
  setCheck(menu, soundItem, boardChoices.sound);
  feedback->animation = boardChoices.animation;
  sounds.on = boardChoices.sound;
}

// A settings file that cannot be written leaves the choices for this run only.
void MainWindow::Parts::keepBoardChoices() {
  applyBoardChoices();
  std::string ignored;
  saveBoardChoices(boardChoices, ignored);
}

void MainWindow::Parts::buildPopup() {
  Fl_Group::current(nullptr);
  popup = new Fl_Menu_Button(0, 0, 0, 0);
  popup->type(Fl_Menu_Button::POPUP3);
  addEntries(popup, PopupMenu, sizeof PopupMenu / sizeof PopupMenu[0]);
}

// The toolkit's own words: its boxes' buttons, the key names in shortcut labels and its
// file chooser's labels. Each is translated from the toolkit's own text, so that English stays
// exactly the toolkit's; the list below only marks them for the catalogues.
void translateToolkitTexts() {
  // TRANSLATORS: the key names are shown in menu shortcuts (Ctrl+N): keep them as keyboards print them.
  const char* const marked[] = {N_("Yes"), N_("No"), N_("OK"), N_("Cancel"), N_("Close"), N_("Ctrl"), N_("Alt"),
                                N_("Shift"), N_("Meta"), N_("Add to Favorites"), N_("All Files (*)"),
                                N_("Custom Filter"), N_("Please choose an existing file!"), N_("Favorites"),
                                N_("Filename:"), N_("File Systems"), N_("Manage Favorites"), N_("New Directory?"),
                                N_("Create a new directory."), N_("Preview"), N_("Save"), N_("Show:"),
                                N_("Show hidden files")};
  (void)marked;
  const char** const texts[] = {&fl_yes, &fl_no, &fl_ok, &fl_cancel, &fl_close, &fl_local_ctrl, &fl_local_alt,
                                &fl_local_shift, &fl_local_meta, &Fl_File_Chooser::add_favorites_label,
                                &Fl_File_Chooser::all_files_label, &Fl_File_Chooser::custom_filter_label,
                                &Fl_File_Chooser::existing_file_label, &Fl_File_Chooser::favorites_label,
                                &Fl_File_Chooser::filename_label, &Fl_File_Chooser::filesystems_label,
                                &Fl_File_Chooser::manage_favorites_label, &Fl_File_Chooser::new_directory_label,
                                &Fl_File_Chooser::new_directory_tooltip, &Fl_File_Chooser::preview_label,
                                &Fl_File_Chooser::save_label, &Fl_File_Chooser::show_label,
                                &Fl_File_Chooser::hidden_label};
  for (const char** text : texts)
    if (*text && **text) *text = gettext(*text);
}

Fl_Box* makeStatusLine(int x, int y, int w, int h) {
  Fl_Box* status = new Fl_Box(x, y, w, h);
  status->box(FL_THIN_DOWN_BOX);
  status->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
  return status;
}

void prepareToolkit() {
  translateToolkitTexts();
  FL_NORMAL_SIZE = 12;
  Fl_Window::default_xclass(WindowClass);  // the dialogs belong to the program too
  installMarkupLabels();
  registerPieceSymbols();
  // Every window shows the program's icon in its title bar.
  if (Fl_RGB_Image* icon = loadProgramIcon(installedFolders(currentFileEnvironment()))) {
    Fl_Window::default_icon(icon);
    delete icon;  // the toolkit keeps a copy
  }
}

MainWindow::MainWindow(int width, int height)
    : Fl_Window(width, height, "Tarvenn v" TARVENN_VERSION " author: Odrowen"), parts(new Parts(this)) {
  copy_label(formatText(_("Tarvenn v%s author: %s"), TARVENN_VERSION, "Odrowen").c_str());
  Parts& p = *parts;
  end();
  p.buildPopup();
  begin();
  const WindowLayout layout = layoutFor(width, height, p.shownParts);
  p.buildMenu(width);
  const Box& b = layout.coordinates;
  p.mainBoard = new BoardView(b.x, b.y, b.w, b.h);
  p.dialogs.mainBoard = p.mainBoard;
  p.mainBoard->margin = layout.board.x - layout.coordinates.x;
  p.mainBoard->emptyText = _(HowToBegin);
  const Box& s = layout.status;
  p.status = makeStatusLine(s.x, s.y, s.w, s.h);
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
  p.analysisPanel = new AnalysisPanel(0, 0, 0, 0);
  p.analysisPanel->hide();
  p.analysisPanel->onChoose = [&p](int rank) { p.controller->playAnalysisLine(rank); };
  p.strip = new EvaluationStrip(0, 0, 10, 10);
  p.strip->hide();
  p.strip->onSelect = [&p](int ply) { p.history->showPly(ply); };
  p.strip->onCancel = [&p] { p.controller->cancelReview(); };
  resizable(this);
  size_range(MinWindowWidth, MinWindowHeight);
  end();
  callback([](Fl_Widget*, void* parts) { ((Parts*)parts)->quit(); }, &p);
  xclass(WindowClass);  // lets a desktop match the window to its menu entry and icon
  p.boardSeat.reset(new BoardSeat(*p.mainBoard));
  p.feedback.reset(new BoardFeedback(*p.mainBoard, p.sounds));
  p.boardChoices = loadBoardChoices();
  p.applyBoardChoices();
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
  delete parts->popup;        // made outside the window, so the window does not delete it
  parts->popup = nullptr;
}

void MainWindow::resize(int x, int y, int w, int h) {
  Fl_Window::resize(x, y, w, h);
  placeParts();
}

void MainWindow::placeParts() {
  if (!parts || !parts->menu) return;
  parts->shownParts.playerLines = parts->players.shown;
  const WindowLayout layout = layoutFor(w(), h(), parts->shownParts);
  for (PlayerLineView* line : {parts->topPlayer, parts->bottomPlayer}) {
    if (parts->shownParts.playerLines) line->show();
    else line->hide();
  }
  place(parts->topPlayer, layout.topPlayer.empty() ? Box{0, 0, 300, 20} : layout.topPlayer);
  place(parts->bottomPlayer, layout.bottomPlayer.empty() ? Box{0, 0, 300, 20} : layout.bottomPlayer);
  place(parts->menu, layout.menu);
  place(parts->mainBoard, layout.coordinates);
  place(parts->status, layout.status);
  place(parts->logBrowser, layout.log);
  place(parts->history, layout.history);
  place(parts->smallBoard, layout.smallBoard);
  for (auto shown : {std::make_pair((Fl_Widget*)parts->analysisPanel, layout.analysis),
                     std::make_pair((Fl_Widget*)parts->strip, layout.graph)}) {
    if (shown.second.empty()) {
      shown.first->hide();
    } else {
      place(shown.first, shown.second);
      shown.first->show();
    }
  }
  redraw();
}

void MainWindow::keepGamesInPlayAt(const std::string& path) { parts->controller->keepGamesInPlayAt(path); }

void MainWindow::offerGameInPlay() { parts->controller->offerGameInPlay(); }

MessageLog& MainWindow::log() { return *parts->messages; }

Fl_Menu_* MainWindow::popupMenu() const { return parts->popup; }
