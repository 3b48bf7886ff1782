#include "ui/main_window.h"
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Window.H>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>
#include "book/opening_book.h"
#include "enddb/database.h"
#include "engine/fen.h"
#include "pdn/pdn_notation.h"
#include "pdn/pdn_reader.h"
#include "pdn/pdn_writer.h"
#include "game/position_text.h"
#include "game/record_pdn.h"
#include "game/setup_tags.h"
#include "game/take_back.h"
#include "search/analysis.h"
#include "search/decision.h"
#include "search/search_runner.h"
#include "ui/board_seat.h"
#include "ui/board_view.h"
#include "ui/browser_log.h"
#include "ui/clipboard.h"
#include "ui/command_rules.h"
#include "ui/game_facts.h"
#include "ui/gui_game.h"
#include "ui/history_tree.h"
#include "ui/info_dialogs.h"
#include "ui/markup.h"
#include "ui/message_boxes.h"
#include "ui/new_game_dialog.h"
#include "ui/piece_symbols.h"
#include "ui/saved_game_files.h"
#include "ui/setup_dialog.h"
#include "ui/status_text.h"
#include "ui/window_layout.h"
#include "version.h"

namespace {

constexpr double StatusRefreshSeconds = 0.25;
const char* const HowToBegin = "Game > New... (Ctrl+N) starts a game";
const char* const PlayersTitle = "Players for this game";
const char* const WindowClass = "tarvenn";  // StartupWMClass of the menu entry

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

// The window places its parts itself (see window_layout.h): a square board as large as the
// window allows, and no wide empty band at any size.
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
  PlayerServices services;          // what the players of every game use
  GuiGame* game = nullptr;          // the current game, owned
  std::vector<GuiGame*> released;   // canceled games waiting until no call runs inside them
  int analysisJob = 0;
  int hintJob = 0;
  std::string hint;      // the hinted move for the status line, while its position is on the board
  Position hintRoot;
  std::string gameInPlayPath;  // where Quit keeps a game in play; "" for nowhere
  HistoryFollower follower;
  GameWatcher watcher;
  bool fullScreen = false;
  int savedX = 0, savedY = 0, savedW = 0, savedH = 0;
  int fullScreenItem = -1, namesItem = -1, moveNowItem = -1;
  int takeBackItem = -1, replayItem = -1, hintItem = -1, resignItem = -1;
  int saveItem = -1, copyItem = -1, flipItem = -1, cancelItem = -1, offerDrawItem = -1;
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

// A person is to move in the current game and the board waits for the move.
bool humanToMove() {
  GuiGame* game = Main.game;
  return game && game->awaitingMove() && humanSides(*game).plays(game->whiteToMove());
}

CommandFacts commandFacts() {
  CommandFacts facts;
  facts.workerBusy = Main.runner->busy();
  facts.historyRowFocused = Main.history->focusedEntry() != nullptr;
  GuiGame* game = Main.game;
  // Refreshed from inside the game's calls too, so its own guard against them stays in the game.
  if (!game || !game->started() || game->result() == Canceled) return facts;
  facts.hasGame = true;
  facts.inPlay = game->result() == InPlay;
  facts.humanToMove = humanToMove();
  facts.computerThinks = thinkingOfCurrentGame().thinking;
  facts.movesToTakeBack = pliesToTakeBack(game->record, humanSides(*game)) > 0;
  facts.movesToReplay = !game->record.takenBack().empty();
  return facts;
}

void refreshCommands() {
  const CommandStates states = commandStates(commandFacts());
  const std::pair<int, bool> items[] = {
      {Main.saveItem, states.save},         {Main.copyItem, states.copy},
      {Main.cancelItem, states.cancel},     {Main.offerDrawItem, states.offerDraw},
      {Main.moveNowItem, states.moveNow},   {Main.takeBackItem, states.takeBack},
      {Main.replayItem, states.replay},     {Main.hintItem, states.hint},
      {Main.resignItem, states.resign},
  };
  for (const auto& item : items) setActive(menuItem(Main.menu, item.first), item.second);
  for (int i = 0; i < Main.popup->size() - 1; ++i) setActive(menuItem(Main.popup, i), states.analysis);
}

// The hint's words stay while the position it was asked for waits for the person's move.
bool hintShown() {
  return !Main.hint.empty() && humanToMove() && Main.game->currentPosition() == Main.hintRoot;
}

void refreshStatus(void*) {
  StatusFacts facts;
  if (GuiGame* game = Main.game) {
    facts.hasGame = true;
    facts.result = game->result();
    facts.blackToMove = !game->whiteToMove();
    facts.whiteWon = game->whiteWon();
    facts.thinking = thinkingOfCurrentGame();
    facts.draws = game->record.drawState();
  }
  facts.analysing = Main.analysisJob != 0;
  if (hintShown()) facts.hint = Main.hint;
  Main.status->copy_label(statusText(facts).c_str());
  Main.status->redraw();
  // A few times a second while a search runs, so that its depth and time are seen to move.
  Fl::remove_timeout(refreshStatus);
  if (facts.thinking.thinking || facts.analysing) Fl::add_timeout(StatusRefreshSeconds, refreshStatus);
}

// An ended game takes no move: the frames of movable pieces, a hint and its crosses go.
void clearBoardMarks(const Position& position) {
  Main.mainBoard->clearMarks();
  Main.mainBoard->showPosition(position, 0);
}

void GameWatcher::gameChanged(Game& game) {
  if (game.result() != InPlay) clearBoardMarks(game.currentPosition());
  if (!hintShown()) Main.hint.clear();
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

void stopHint() {
  Main.runner->cancel(Main.hintJob);
  Main.hintJob = 0;
  Main.hint.clear();
}

// A game with moves is not thrown away without asking.
bool mayAbandonGame() {
  GuiGame* game = Main.game;
  if (!game || game->result() != InPlay || game->record.count() == 0) return true;
  return askQuestion("Abandon this game?");
}

// Cancels the current game and lets it go; the history no longer shows it.
void releaseGame() {
  stopAnalysis();  // it writes into the game's history
  stopHint();
  GuiGame* game = Main.game;
  Main.game = nullptr;
  Main.history->setRecord(nullptr);  // its rows point into the game's record
  if (game) {
    game->cancelGame();
    game->listeners.clear();
    clearBoardMarks(game->currentPosition());
    Main.released.push_back(game);
    Fl::remove_timeout(deleteReleased);
    Fl::add_timeout(0, deleteReleased);
  }
  refreshCommands();
  refreshStatus();
}

void setFlipped(bool flipped) {
  for (BoardView* board : {Main.mainBoard, Main.smallBoard}) {
    board->flipped = flipped;
    board->redraw();
  }
  setCheck(Main.flipItem, flipped);
}

// Makes `game` the current one, its moves (if any) already in its record, and starts it.
void beginGame(GuiGame* game) {
  Main.mainBoard->detachInput();
  game->log = Main.log;
  releaseGame();
  Main.game = game;
  setFlipped(startsFlipped(*game));
  game->listeners.push_back(&Main.watcher);
  game->view = Main.mainBoard;
  Main.mainBoard->clearMarks();  // the last game's frames do not belong to this one
  Main.mainBoard->showPosition(game->currentPosition(), 0);
  Main.history->setRecord(&game->record);
  game->record.addObserver(&Main.follower);
  game->startGame();
  refreshCommands();
  refreshStatus();
}

void newGame(Fl_Widget*, void*) {
  if (!mayAbandonGame()) return;
  GameSetup setup;
  if (runNewGameDialog(setup)) beginGame(new GuiGame(setup, Main.services));
}

// A game from a saved, pasted or set-up one, with the players the user chooses.
// False when the user cancels.
bool beginGameFrom(const PdnGame& saved, const GameSetup& shown) {
  GameSetup setup = shown;
  setup.start = saved.start;
  if (!runPlayersDialog(PlayersTitle, setup)) return false;
  GuiGame* game = new GuiGame(setup, Main.services);
  appendPdnMoves(game->record, saved);
  endAsSaved(*game, saved.result);
  beginGame(game);
  return true;
}

void cancelGame(Fl_Widget*, void*) {
  if (mayAbandonGame()) releaseGame();
}

void openGame(Fl_Widget*, void*) {
  if (!mayAbandonGame()) return;
  PdnGame saved;
  if (openSavedGame(saved)) beginGameFrom(saved, setupFromPdn(saved));
}

void saveGame(Fl_Widget*, void*) {
  if (Main.game) saveGameAs(gameAsPdn(*Main.game));
}

// The position of the history's selected row, else the game's current one.
void copyPosition(Fl_Widget*, void*) {
  if (HistoryEntry* entry = Main.history->focusedEntry()) copyToClipboard(writeFen(entry->move.after));
  else if (Main.game) copyToClipboard(writeFen(Main.game->currentPosition()));
}

void startFromPosition(const Position& position) {
  PdnGame saved;
  saved.start = position;
  beginGameFrom(saved, twoPeople());
}

void pasted(const std::string& text) {
  Position position;
  std::string error;
  if (!readPositionText(text, position, error)) {
    showAlert("Cannot paste a position:\n%s", plainForMarkup(error).c_str());
    return;
  }
  if (mayAbandonGame()) startFromPosition(position);
}

void pastePosition(Fl_Widget*, void*) { requestClipboardText(pasted); }

void setUpPosition(Fl_Widget*, void*) {
  Position position = Main.game ? Main.game->currentPosition() : InitialPosition;
  if (runSetUpDialog(position, Main.mainBoard->flipped) && mayAbandonGame()) startFromPosition(position);
}

void takeBack(Fl_Widget*, void*) {
  GuiGame* game = Main.game;
  if (!game) return;
  stopAnalysis();  // it writes into history entries that may go
  stopHint();
  game->takeBack(pliesToTakeBack(game->record, humanSides(*game)));
}

void replay(Fl_Widget*, void*) {
  GuiGame* game = Main.game;
  if (!game) return;
  stopHint();
  game->replay(pliesToReplay(game->record, humanSides(*game)));
}

void resign(Fl_Widget*, void*) {
  if (!humanToMove()) return;
  GuiGame* game = Main.game;
  const bool white = game->whiteToMove();
  if (!askQuestion("Resign this game? %s then wins.", white ? "Black" : "White")) return;
  // The question waited in an event loop: the game must still be the one asked about.
  if (Main.game != game || !humanToMove() || game->whiteToMove() != white) return;
  stopHint();
  game->resign();
}

// The computer's choice for the person to move, shown with its frames and crosses, not played.
void hint(Fl_Widget*, void*) {
  if (!humanToMove() || Main.runner->busy()) return;
  GuiGame* game = Main.game;
  auto request = std::make_shared<DecisionRequest>();
  request->root = game->currentPosition();
  for (const Move& move : MoveList(request->root)) request->moves.push_back(move);
  request->timeLimit = hintSeconds(*game);
  request->draws = game->record.drawState();  // the hint knows how far the draw counts have run
  auto result = std::make_shared<DecisionResult>();
  Main.hintJob = Main.runner->start([request, result](SearchEngine& engine) { *result = engine.decide(*request, SearchPlan{}); },
                                    [request, result] {
                                      Main.hintJob = 0;
                                      // Only while the position asked about is still to be played.
                                      if (humanToMove() && Main.game->currentPosition() == request->root) {
                                        const Move& m = result->move;
                                        Main.mainBoard->showPosition(request->root, m.captured);
                                        Main.mainBoard->markSquares(squareIndex(m.from), squareIndex(m.to));
                                        Main.hint = "Hint: " + moveText(request->root, m);
                                        Main.hintRoot = request->root;
                                      }
                                      refreshCommands();
                                      refreshStatus();
                                    });
  refreshCommands();
  refreshStatus();
}

void flipBoard(Fl_Widget*, void*) { setFlipped(!Main.mainBoard->flipped); }

// Quit and closing end at once; a game in play is kept for the next start.
void keepGameInPlay() {
  GuiGame* game = Main.game;
  if (!game || game->result() != InPlay || Main.gameInPlayPath.empty()) return;
  // A game still at the initial position has nothing to lose.
  if (game->record.count() == 0 && game->record.startPosition() == InitialPosition) return;
  std::string error;
  if (!savePdnGames(Main.gameInPlayPath, {gameAsPdn(*game)}, error))
    std::fprintf(stderr, "tarvenn: the game in play was not kept: %s\n", error.c_str());
}

void quit(Fl_Widget*, void*) {
  // Escape reaches the window's callback too; it must not end a game by accident.
  if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
  keepGameInPlay();
  Main.runner->shutdown();  // the search stops within milliseconds
  // Nothing else matters once the process ends: canceling the game and freeing the tables,
  // the database and the windows would only keep the user waiting.
  std::fflush(nullptr);
  std::_Exit(0);
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
  Main.analysisJob = Main.runner->start([plan](SearchEngine& engine) { runAnalysis(engine, *plan); },
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
  m->add("@wc &Game/&Open game...", FL_CTRL + 'o', openGame);
  Main.saveItem = m->add("@wc &Game/&Save game...", FL_CTRL + 's', saveGame, nullptr, FL_MENU_DIVIDER);
  Main.copyItem = m->add("@wc &Game/Cop&y position", FL_CTRL + FL_SHIFT + 'c', copyPosition);
  m->add("@wc &Game/&Paste position", FL_CTRL + 'v', pastePosition);
  m->add("@wc &Game/Set &up position...", 0, setUpPosition, nullptr, FL_MENU_DIVIDER);
  Main.cancelItem = m->add("@wc &Game/@C3@1+ @n &Cancel", FL_CTRL + 'c', cancelGame, nullptr, FL_MENU_DIVIDER);
  m->add("@wc &Game/@C1@1+ @n;&Quit", FL_ALT + FL_F + 4, quit);
  Main.offerDrawItem = m->add("@b;M @n &Move/Offer &draw", FL_ALT + 'd', offerDraw, nullptr, FL_MENU_INACTIVE);
  Main.moveNowItem = m->add("@b;M @n &Move/Move &now", FL_CTRL + 'm', moveNow, nullptr, FL_MENU_INACTIVE);
  Main.takeBackItem = m->add("@b;M @n &Move/&Take back", FL_CTRL + 'z', takeBack, nullptr, FL_MENU_INACTIVE);
  Main.replayItem = m->add("@b;M @n &Move/&Replay", FL_CTRL + 'y', replay, nullptr, FL_MENU_INACTIVE);
  Main.hintItem = m->add("@b;M @n &Move/&Hint", FL_CTRL + 'h', hint, nullptr, FL_MENU_INACTIVE);
  Main.resignItem = m->add("@b;M @n &Move/Re&sign", 0, resign, nullptr, FL_MENU_INACTIVE);
  Main.fullScreenItem = m->add("@b;V @n &View/&Full screen", 'f', toggleFullScreen, nullptr, FL_MENU_TOGGLE);
  Main.namesItem = m->add("@b;V @n &View/&Show squares names", 's', toggleSquareNames, nullptr, FL_MENU_TOGGLE);
  Main.flipItem = m->add("@b;V @n &View/Flip &board", FL_CTRL + 'r', flipBoard, nullptr, FL_MENU_TOGGLE);
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
  Main.services.runner = Main.runner;
  Main.services.book = &Book;
}

}  // namespace

void prepareToolkit() {
  FL_NORMAL_SIZE = 12;
  Fl_Window::default_xclass(WindowClass);  // the dialogs belong to the program too
  installMarkupLabels();
  registerPieceSymbols();
}

Fl_Window* buildMainWindow(int width, int height) {
  prepareToolkit();
  startWorker();
  buildPopup();
  const WindowLayout layout = layoutFor(width, height);
  MainWindowWidget* window = Main.window = new MainWindowWidget(width, height, "Tarvenn v" TARVENN_VERSION " author: Odrowen");
  buildMenu(width);
  const Box& b = layout.board;
  Main.mainBoard = new BoardView(b.x, b.y, b.w, b.h);
  Main.mainBoard->emptyText = HowToBegin;
  Main.services.seat = new BoardSeat(*Main.mainBoard);
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
  window->xclass(WindowClass);  // lets a desktop match the window to its menu entry and icon
  Main.follower.history = Main.history;
  refreshCommands();
  refreshStatus();
  return window;
}

void logProgramNote(const std::string& text) {
  if (Main.log) Main.log->post(MsgEvent, text.c_str());
}

void keepGamesInPlayAt(const std::string& path) { Main.gameInPlayPath = path; }

void offerGameInPlay() {
  const std::string& path = Main.gameInPlayPath;
  if (path.empty()) return;
  const PdnReading reading = readPdnFile(path);
  // A file that is missing or not one readable game (not ours) is left alone.
  if (!reading.ok() || reading.games.size() != 1) return;
  // Once resumed, the game is kept again at the next Quit if it is still in play.
  if (!askQuestion("Resume the game that was in play when Tarvenn was closed?") ||
      beginGameFrom(reading.games[0], setupFromPdn(reading.games[0])))
    std::remove(path.c_str());
}
