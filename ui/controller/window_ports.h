// What the window controller asks of the window, in three small interfaces: the event loop
// (posting from the worker, timers), the views it fills, and the dialogs it opens. The window
// implements them with the toolkit; the tests fake them.
#pragma once
#include <functional>
#include <string>
#include <vector>
#include "engine/clock.h"
#include "pdn/pdn_game.h"
#include "game/game_setup.h"
#include "ui/controller/command_rules.h"
#include "ui/controller/player_lines.h"

class GameRecord;
class GameView;
class MessageLog;
class PersonSeat;
struct HistoryEntry;

// One line of the analysis board's panel: its evaluation as a person reads it ("+0.45",
// "win in 7"), the depth that gave it, and its moves in the game's notation.
struct AnalysisRow {
  std::string evaluation;
  int depth = 0;
  std::string moves;
};

struct GraphPoint;

class EventLoop {
public:
  virtual ~EventLoop() = default;
  // Runs `call` on the window's thread later; called from the worker thread.
  virtual void post(std::function<void()> call) = 0;
  // Runs `call` once after `seconds`; returns the timer's number (never 0).
  virtual int after(double seconds, std::function<void()> call) = 0;
  // The timer does not fire; 0 and timers that fired already are ignored.
  virtual void cancel(int timer) = 0;
  // What the games' clocks read, in seconds.
  virtual double now() const { return wallClock(); }
};

class WindowViews {
public:
  virtual ~WindowViews() = default;
  virtual GameView& board() = 0;  // the main board
  virtual PersonSeat& seat() = 0;  // where people play: the main board's input
  virtual MessageLog& log() = 0;
  virtual void showStatus(const std::string& text) = 0;
  virtual void showCommands(const CommandStates& states) = 0;
  virtual bool flipped() const = 0;
  virtual void setFlipped(bool flipped) = 0;
  // The history shows this record (none: empty) and follows its newest move.
  virtual void showRecord(GameRecord* record) = 0;
  virtual void followRecord() = 0;
  // The history's focused row, or none.
  virtual HistoryEntry* focusedEntry() = 0;
  // The history's values changed; `best` (>= 0) is the reply of `entry` to select.
  virtual void showAnalysis(HistoryEntry& entry, int best) = 0;
  // The analysis board's best lines, best first; none empties the panel. The panel shows only
  // in the analysis board mode (see CommandStates::analysisBoardShown).
  virtual void showAnalysisLines(const std::vector<AnalysisRow>& rows) = 0;
  // A review's progress: `done` of `total` positions searched; total 0 when none runs.
  virtual void showReviewProgress(int done, int total) = 0;
  // The evaluation graph of the game shown, one point per position; none hides it.
  virtual void showEvaluationGraph(const std::vector<GraphPoint>& points) = 0;
  // A review rewrote the notes of moves the history already shows: their rows show the marks.
  virtual void showMoveMarks() = 0;
  // The names and clocks above and below the board (they follow Flip); hidden when not shown.
  virtual void showPlayers(const PlayerLines& lines) = 0;
  // The running clock has just gone under LowClockSeconds: the low-clock sound.
  virtual void clockRunsLow() = 0;
};

class WindowDialogs {
public:
  virtual ~WindowDialogs() = default;
  // A yes-or-no question, answered before returning.
  virtual bool ask(const std::string& question) = 0;
  // A yes-or-no question shown from the event loop once the caller has returned.
  virtual void askLater(const std::string& question, std::function<void(bool)> answered) = 0;
  // An alert: the heading, then the reason in plain text.
  virtual void refuse(const std::string& heading, const std::string& reason) = 0;
  // The new-game dialog: true with the chosen players in `setup`; false when the user cancels.
  virtual bool chooseNewGame(GameSetup& setup) = 0;
  // The players dialog for a game from a saved game or a position, showing `setup`'s players
  // first: true with the chosen ones in `setup` (its start stays).
  virtual bool choosePlayers(GameSetup& setup) = 0;
  // A game from a file the user picks; false on cancel or a fault, which is shown.
  virtual bool openGame(PdnGame& game) = 0;
  virtual void saveGame(const PdnGame& game) = 0;
  // The review's time per position, one of ReviewSeconds (the last one chosen shows first);
  // false on cancel.
  virtual bool chooseReviewTime(double& seconds) = 0;
  // The set-up editor, starting from `position`; false on cancel.
  virtual bool setUp(Position& position, bool flipped) = 0;
  virtual void copyText(const std::string& text) = 0;
  // The clipboard's text reaches `received` later, from the event loop.
  virtual void pasteText(std::function<void(const std::string&)> received) = 0;
  // Ends the process at once.
  virtual void exitProgram() = 0;
};
