#include <gtest/gtest.h>
#include <regex>
#include "book/opening_book.h"
#include "enddb/database.h"
#include "player/computer_player.h"
#include "search/decision.h"
#include "search/search_runner.h"
#include "tests/game/fakes.h"
#include "tests/support/home_queue.h"

namespace {

const char* const MiddleGame = "W:W17,21,22,23,25,26,27,29,30,31:B1,2,3,5,6,7,9,10,11,14";
const char* const Opening = "W:W21,22,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,11,12";

const std::regex SearchLine(
    R"(@[wb]c [A-H][1-8][-x][A-H][1-8] \(eval -?\d+, time \d+\.\d\ds, depth (\d+)( and (\d+)/(\d+) moves at depth (\d+))?\))");

#if defined(NDEBUG) && !defined(__SANITIZE_THREAD__) && !defined(__SANITIZE_ADDRESS__)
constexpr bool TimedBuild = true;
#else
constexpr bool TimedBuild = false;  // sanitizers and debug code make every figure slower
#endif

// The computer as White on a worker thread, against a scripted Black, in a game not started:
// the test gives the turn itself.
struct ThreadedMatch {
  HomeQueue home;
  ThreadRunner runner{endgameDatabase, [this](std::function<void()> call) { home.post(std::move(call)); }};
  RecordingLog log{1};
  ComputerPlayer* computer;
  Game* game;

  explicit ThreadedMatch(double seconds, const char* fen = MiddleGame) {
    const FenSetup setup = setupFromFen(fen);
    computer = new ComputerPlayer(seconds, runner, Book);
    game = new Game(computer, new ScriptedPlayer, setup.position);
    game->log = &log;
  }
  ~ThreadedMatch() {
    delete game;  // drops a decision still running
    runner.shutdown();
    home.pump();
  }
};

TEST(ComputerThinking, TheTurnReturnsAtOnceAndMoveNowPlaysTheBestMoveSoFar) {
  ThreadedMatch match(30.0);
  const auto start = std::chrono::steady_clock::now();
  match.computer->takeTurn();
  EXPECT_EQ(match.game->record.count(), 0) << "the move comes later, from the worker";
  EXPECT_TRUE(match.computer->thinkingState().thinking);
  EXPECT_DOUBLE_EQ(match.computer->thinkingState().allowed, 30.0);
  ASSERT_TRUE(match.home.pumpUntil([&] { return match.computer->thinkingState().depth >= 4; }, 10));
  match.computer->moveNow();
  ASSERT_TRUE(match.home.pumpUntil([&] { return match.game->record.count() == 1; }, 5));
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 15.0);
  EXPECT_FALSE(match.computer->thinkingState().thinking);
  ASSERT_EQ(match.log.lines.size(), 1u);
  std::smatch parts;
  const std::string line = match.log.lines[0].joined();
  ASSERT_TRUE(std::regex_match(line, parts, SearchLine)) << line;
  EXPECT_TRUE(parts[2].matched) << "a stopped search says how far its last depth got: " << line;
  EXPECT_GE(std::stoi(parts[1]), 4) << line;
}

TEST(ComputerThinking, ADroppedTurnNeverPlaysEvenWhenItsResultIsAlreadyOnItsWay) {
  for (const bool finishedFirst : {false, true}) {
    ThreadedMatch match(finishedFirst ? 0.05 : 30.0);
    match.computer->takeTurn();
    if (finishedFirst) {  // the result is posted but not yet handed over
      const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
      while (match.computer->thinkingState().depth == 0 && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    match.game->cancelGame();
    EXPECT_FALSE(match.computer->thinkingState().thinking);
    match.home.pumpUntil([&] { return !match.runner.busy(); }, 5);
    EXPECT_FALSE(match.runner.busy());
    match.home.pump();
    EXPECT_EQ(match.game->record.count(), 0) << "finished first " << finishedFirst;
    EXPECT_EQ(match.log.texts(), (std::vector<std::string>{"Game was canceled."})) << "no move line";
  }
}

// The time is a limit: the search is cut inside a root move, and the line says how far it got.
TEST(ComputerThinking, ADecisionEndsWithinItsTimeAndReportsTheUnfinishedDepth) {
  if (!TimedBuild) GTEST_SKIP() << "timing is checked in the release build";
  const FenSetup setup = setupFromFen(Opening);
  SearchEngine search(endgameDatabase);
  const MoveList list(setup.position);
  const int count = list.size();
  DecisionRequest request;
  request.root = setup.position;
  request.moves.assign(list.begin(), list.end());
  int aborted = 0;
  for (double limit : {0.05, 0.3, 1.0}) {
    request.timeLimit = limit;
    const DecisionResult result = search.decide(request, SearchPlan{});
    aborted += result.aborted;
    // Each decision starts afresh, also after one that its deadline cut.
    if (limit >= 0.3) {
      EXPECT_GE(result.completedDepth, 4) << "limit " << limit;
    }
    EXPECT_LT(result.elapsed, limit + 0.2) << "limit " << limit;  // 50 ms in the benchmark; margin for a busy machine
    if (result.aborted) {
      EXPECT_EQ(result.abortedDepth, result.completedDepth + 1) << "limit " << limit;
      EXPECT_LT(result.movesAtAbort, count) << "limit " << limit;
    }
  }
  EXPECT_GT(aborted, 0) << "no decision met its limit inside an iteration";
}

TEST(ComputerThinking, TheFirstRootMoveIsSearchedEvenWhenTheStopCameFirst) {
  const FenSetup setup = setupFromFen(MiddleGame);
  SearchEngine search(endgameDatabase);
  const MoveList list(setup.position);
  DecisionRequest request;
  request.root = setup.position;
  request.moves.assign(list.begin(), list.end());
  request.timeLimit = 30;
  search.requestStop();  // Move now before the search began
  const DecisionResult result = search.decide(request, SearchPlan{});
  EXPECT_TRUE(result.aborted);
  EXPECT_EQ(result.abortedDepth, 2);
  EXPECT_EQ(result.movesAtAbort, 1) << "the first root move at depth 2 was searched in full";
  EXPECT_NE(result.move.from, 0u);
  request.timeLimit = 0.5;
  EXPECT_GE(search.decide(request, SearchPlan{}).completedDepth, 4) << "the stop was for the first decision only";
}

}  // namespace
