// Everything the window does that is not drawing: the current game (with its setup) and its lifecycle, the
// worker's jobs (the computer's decisions, hints, the history's analysis), which commands
// can act, the status line, and each menu command turned into game events. It runs without
// a display; the window reaches it through its menu table and serves it through the ports.
#pragma once
#include <memory>
#include <string>
#include "engine/board.h"
#include "game/game_record.h"
#include "game/game_setup.h"
#include "game/interfaces.h"
#include "game/player_factory.h"
#include "search/multi_line.h"
#include "search/review.h"
#include "search/search_runner.h"
#include "ui/controller/command_rules.h"
#include "ui/controller/player_lines.h"

class EndgameDatabase;
class OpeningBook;
class EventLoop;
class Game;
class WindowDialogs;
class WindowViews;
struct PdnGame;

class WindowController : private GameListener, private RecordObserver {
public:
  // The ports, the database and the book outlive the controller. The worker thread starts here.
  WindowController(EventLoop& loop, WindowViews& views, WindowDialogs& dialogs, const EndgameDatabase& database,
                   const OpeningBook& book);
  ~WindowController() override;  // stops the worker, then lets the game go
  WindowController(const WindowController&) = delete;
  WindowController& operator=(const WindowController&) = delete;

  // Where the computer players search.
  SearchRunner& runner() { return worker; }
  // The current game, none before the first and after Cancel; its setup() says how it began.
  const Game* game() const { return current.get(); }
  CommandFacts commandFacts() const;
  std::string statusText() const;

  // The menu's commands. Each does nothing where its rule greys it.
  void newGame();
  void openGame();
  void saveGame();
  void copyPosition();
  void pastePosition();
  void pasted(const std::string& text);
  void setUpPosition();
  void cancelGame();
  void quit();  // keeps a game in play, stops the worker, ends the process
  void offerDraw();
  void moveNow();
  void takeBack();
  void replay();
  void hint();
  void resign();
  void flipBoard();
  void evaluateFocused();
  void showBestReply();
  // View > Analysis board: enters the mode (a game in play waits as it stands) or leaves it,
  // bringing the game back exactly as it was.
  void toggleAnalysisBoard();
  bool inAnalysisBoard() const { return analysisBoard; }
  // The analysis board's steps through its moves.
  void back();
  void forward();
  // A game against the computer from the analysis board's position, with the sides chosen.
  void playFromHere();
  // Plays the first move of the analysis panel's line `rank` (0: the best).
  void playAnalysisLine(int rank);
  // Game > Review game...: asks the time per position, then searches every position of the
  // game on the worker; its marks go into the moves' notes, shown and saved with them.
  void reviewGame();
  // The running review stops; nothing of it is kept.
  void cancelReview();
  void pauseClock();  // holds both clocks, or lets them run again
  void boardClicked();  // a click on the board where no one plays: resumes a paused clock

  // Where Quit keeps a game in play; "" for nowhere.
  void keepGamesInPlayAt(const std::string& path) { gameInPlayPath = path; }
  // Asks whether to resume the game kept there, if there is one.
  void offerGameInPlay();
  // Shows the commands and the status of the window without a game.
  void refresh();

private:
  EventLoop& loop;
  WindowViews& views;
  WindowDialogs& dialogs;
  ThreadRunner worker;  // the one worker thread of the computer and the analysis
  PlayerServices services;  // what the players of every game use
  std::unique_ptr<Game> current;
  int gameNumber = 0;  // counts games begun, so that a late answer finds out whether it is still wanted
  int analysisJob = 0;
  int hintJob = 0;
  std::string hintText;  // the hinted move for the status line, while its position is on the board
  Position hintRoot;
  std::string gameInPlayPath;
  int statusTimer = 0;
  int clockTimer = 0;
  PlayerLines shownLines;  // what the lines above and below the board show
  bool questionShown = false;  // the open draw question of the current game is on screen
  bool analysisBoard = false;      // in the mode, `current` is the analysis board's game
  std::unique_ptr<Game> suspended;  // the game that waits while the analysis board shows
  // The analysis board's search without end, restarted with each new position.
  int liveJob = 0;
  int liveNumber = 0;       // counts the searches begun, so that a late report finds out it is old
  Position liveRoot;        // the position searched
  std::vector<Move> liveFirstMoves;  // the first move of each line shown, best first
  std::string liveSpeed;    // depth and nodes per second of the last report, for the status line
  int reviewJob = 0;
  int reviewNumber = 0;     // counts the reviews begun and stopped, so that a late result finds out it is old

  void gameChanged(Game& game) override;
  void recordChanged(GameRecord&) override;
  bool humanToMove() const;
  bool hintShown() const;
  ThinkingState thinking() const;
  void refreshCommands();
  void refreshStatus();
  void refreshClocks();
  void clearBoardMarks(const Position& position);
  void stopAnalysis();
  void stopHint();
  bool mayAbandonGame();
  void releaseGame();
  void beginGame(std::unique_ptr<Game> game, bool quiet = false);
  void leaveAnalysisBoard();
  void restartLiveAnalysis();
  void stopLiveAnalysis();
  void showLiveAnalysis(int number, const AnalysisSnapshot& snapshot);
  void stopReview();
  void finishReview(int number, const GameReview& review);
  void showReviewOfRecord();
  bool beginGameFrom(const PdnGame& saved, const GameSetup& shown);
  void startFromPosition(const Position& position);
  void showDrawQuestion();
  void answerDraw(int number, bool accepted);
  void keepGameInPlay();
  void analyseFocused(bool replies);
};
