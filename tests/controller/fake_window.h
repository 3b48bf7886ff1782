// The window as the controller sees it, without a display: timers fire when the test says,
// the worker's results wait until the test pumps them, dialogs answer as the test set them.
#pragma once
#include <gtest/gtest.h>
#include <deque>
#include <map>
#include "book/opening_book.h"
#include "player/person_seat.h"
#include "tests/game/fakes.h"
#include "tests/support/home_queue.h"
#include "ui/controller/window_ports.h"

// The main board as people play at it; the test hands moves to the game as clicks would.
class FakeSeat : public PersonSeat {
public:
  BoardInput* input = nullptr;
  void showPosition(const Position&, SquareSet) override {}
  void showFrames(const std::array<int, 32>&) override {}
  void clearFrames() override {}
  void listen(BoardInput* listener) override { input = listener; }
};

class FakeWindow : public EventLoop, public WindowViews, public WindowDialogs {
public:
  HomeQueue posted;
  std::map<int, std::function<void()>> timers;
  int lastTimer = 0;
  RecordingView boardView;
  FakeSeat personSeat;
  RecordingLog messages;
  std::string status;
  CommandStates commands;
  bool isFlipped = false;
  GameRecord* record = nullptr;
  HistoryEntry* focused = nullptr;
  int analysesShown = 0;
  double clockNow = 0;  // what the games' clocks read
  PlayerLines playerLinesShown;  // the names and clocks last shown

  std::deque<bool> answers;  // for ask(), in order; none left: no
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
  PersonSeat& seat() override { return personSeat; }
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

  // WindowDialogs
  bool ask(const std::string& question) override {
    asked.push_back(question);
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
