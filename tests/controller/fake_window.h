// The window as the controller sees it, without a display: timers fire when the test says,
// the worker's results wait until the test pumps them, dialogs answer as the test set them.
#pragma once
#include <gtest/gtest.h>
#include <array>
#include <deque>
#include <map>
#include <vector>
#include "book/opening_book.h"
#include "player/person_seat.h"
#include "tests/game/fakes.h"
#include "tests/support/home_queue.h"
#include "ui/controller/evaluation_graph.h"
#include "ui/controller/window_ports.h"

// The main board as the window has it: one board that the game shows its moves on and a
// person plays at, sharing its frames and its input as the real board does.
class FakeBoard : public RecordingView, public PersonSeat {
public:
  Position position;
  std::array<int, 32> frames{};
  BoardInput* input = nullptr;

  // GameView
  void showPosition(const Position& shown, SquareSet crossed) override {
    RecordingView::showPosition(shown, crossed);
    position = shown;
  }
  void markSquares(int from, int to) override {
    RecordingView::markSquares(from, to);
    frames.fill(0);
    if (from >= 0 && from < 32) ++frames[from];
    if (to >= 0 && to < 32) ++frames[to];
  }
  void detachInput() override {
    RecordingView::detachInput();
    input = nullptr;
  }
  // PersonSeat
  void showFrames(const std::array<int, 32>& shown) override { frames = shown; }
  void clearFrames() override { frames.fill(0); }
  void listen(BoardInput* listener) override { input = listener; }

  // The squares that carry a frame, by index.
  std::vector<int> framed() const {
    std::vector<int> squares;
    for (int k = 0; k < 32; ++k)
      if (frames[k] > 0) squares.push_back(k);
    return squares;
  }
  // A left click on square k, as the board reports it; nothing when no one listens.
  void click(int square) {
    if (input) input->choose(BoardPoint{square, 0, frames[square] > 0});
  }
};

// The log as lines for the eye and as the data the window draws them from.
class KeepingLog : public RecordingLog {
public:
  std::vector<LogLine> posted;
  void write(const LogLine& line) override {
    posted.push_back(line);
    RecordingLog::write(line);
  }
};

class FakeWindow : public EventLoop, public WindowViews, public WindowDialogs {
public:
  HomeQueue posted;
  std::map<int, std::function<void()>> timers;
  int lastTimer = 0;
  FakeBoard boardView;  // the game's view and the person's seat at once
  KeepingLog messages;
  std::string status;
  CommandStates commands;
  bool isFlipped = false;
  GameRecord* record = nullptr;
  HistoryEntry* focused = nullptr;
  int analysesShown = 0;
  double clockNow = 0;  // what the games' clocks read
  PlayerLines playerLinesShown;  // the names and clocks last shown

  std::deque<bool> answers;  // for ask(), in order; none left: no
  std::function<void()> whileAsking;  // what the event loop runs while a question waits for its answer
  std::vector<std::string> asked;
  std::vector<std::pair<std::string, std::function<void(bool)>>> laterQuestions;
  std::function<void(GameSetup&)> players;  // what the players dialogs choose; none: cancel
  PdnGame toOpen;
  std::vector<PdnGame> saved;
  std::string copied;
  bool exited = false;

  // EventLoop
  void post(std::function<void()> call) override { posted.post(std::move(call)); }
  int after(double, std::function<void()> call) override {
    timers[++lastTimer] = std::move(call);
    return lastTimer;
  }
  void cancel(int timer) override { timers.erase(timer); }
  double now() const override { return clockNow; }
  // Fires the timers set so far (the display pauses end); true if any fired.
  bool fireTimers() {
    std::map<int, std::function<void()>> due;
    due.swap(timers);
    for (auto& timer : due) timer.second();
    return !due.empty();
  }
  // Runs what the worker posted and the timers until `done`; false when the time is over.
  bool runUntil(const std::function<bool()>& done, double seconds = 20) {
    return posted.pumpUntil([&] {
      fireTimers();
      return done();
    }, seconds);
  }
  // Runs what arrives for `seconds`, as the event loop would.
  void runFor(double seconds) {
    runUntil([] { return false; }, seconds);
  }

  // WindowViews
  GameView& board() override { return boardView; }
  PersonSeat& seat() override { return boardView; }
  MessageLog& log() override { return messages; }
  void showStatus(const std::string& text) override { status = text; }
  void showCommands(const CommandStates& states) override { commands = states; }
  bool flipped() const override { return isFlipped; }
  void setFlipped(bool flipped) override { isFlipped = flipped; }
  void showPlayers(const PlayerLines& lines) override { playerLinesShown = lines; }
  void showRecord(GameRecord* shown) override { record = shown; }
  void followRecord() override {}
  HistoryEntry* focusedEntry() override { return focused; }
  void showAnalysis(HistoryEntry&, int) override { ++analysesShown; }
  std::vector<AnalysisRow> analysisRows;
  int analysisShows = 0;  // how often the panel was filled or emptied
  void showAnalysisLines(const std::vector<AnalysisRow>& rows) override {
    analysisRows = rows;
    ++analysisShows;
  }
  std::vector<std::pair<int, int>> reviewProgress;  // each (done, total) shown
  std::vector<GraphPoint> graph;
  int graphShows = 0;
  void showReviewProgress(int done, int total) override { reviewProgress.push_back({done, total}); }
  void showEvaluationGraph(const std::vector<GraphPoint>& points) override {
    graph = points;
    ++graphShows;
  }
  int markShows = 0;
  int lowClocks = 0;  // the low-clock sounds asked for
  void clockRunsLow() override { ++lowClocks; }
  void showMoveMarks() override { ++markShows; }
  double reviewSeconds = 0;  // what the review dialog chooses; 0: cancel
  bool chooseReviewTime(double& seconds) override {
    if (reviewSeconds <= 0) return false;
    seconds = reviewSeconds;
    return true;
  }

  // WindowDialogs
  bool ask(const std::string& question) override {
    asked.push_back(question);
    if (whileAsking) whileAsking();
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void askLater(const std::string& question, std::function<void(bool)> answered) override {
    laterQuestions.push_back({question, std::move(answered)});
  }
  void refuse(const std::string& heading, const std::string& reason) override { asked.push_back(heading + reason); }
  bool chooseNewGame(GameSetup& setup) override { return choose(setup); }
  bool choosePlayers(GameSetup& setup) override { return choose(setup); }
  bool openGame(PdnGame& game) override {
    game = toOpen;
    return true;
  }
  void saveGame(const PdnGame& game) override { saved.push_back(game); }
  bool setUp(Position&, bool) override { return false; }
  void copyText(const std::string& text) override { copied = text; }
  void pasteText(std::function<void(const std::string&)> received) override { received(copied); }
  void exitProgram() override { exited = true; }

private:
  bool choose(GameSetup& setup) {
    if (!players) return false;
    players(setup);
    return true;
  }
};
