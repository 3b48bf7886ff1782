#include <gtest/gtest.h>
#include <algorithm>
#include <thread>
#include "book/opening_book.h"
#include "enddb/database.h"
#include "engine/clock.h"
#include "player/computer_player.h"
#include "search/search_runner.h"
#include "tests/game/fakes.h"
#include "tests/support/home_queue.h"

namespace {

// Keeps the lines as the player posts them, level and all.
class LevelLog : public MessageLog {
public:
  std::vector<LogLine> lines;
  LevelLog() : MessageLog(0) {}
  void write(const LogLine& line) override { lines.push_back(line); }
};

const char* const MiddleGames[] = {
    "W:W13,22,23,26,27,29,31,32:B1,3,4,5,6,12,14,15",
    "B:W13,19,22,24,26,27,29,30,31:B1,2,3,5,6,9,10,12,20",
    "W:W17,21,22,23,25,26,27,29,30,31:B1,2,3,5,6,7,9,10,11,14",
};

struct LevelGame {
  LevelLog log;
  ComputerPlayer* computer;
  Game* game;

  LevelGame(SearchRunner& runner, const char* fen, Level level, double seconds, uint32_t seed) {
    const FenSetup setup = setupFromFen(fen);
    computer = new ComputerPlayer(seconds, runner, Book);
    computer->level = level;
    computer->seedRandom(seed);
    game = setup.position.whiteToMove ? new Game(computer, new ScriptedPlayer, setup.position)
                                      : new Game(new ScriptedPlayer, computer, setup.position);
    game->log = &log;
  }
  ~LevelGame() { delete game; }
};

}  // namespace

TEST(ComputerLevels, EveryLevelPlaysALegalMoveInItsTimeAndNamesItselfUnlessClassic) {
  InlineRunner runner(endgameDatabase);
  for (int l = 0; l < LevelCount; ++l) {
    const Level level = (Level)l;
    for (const char* fen : MiddleGames) {
      LevelGame match(runner, fen, level, 0.05, 1);
      const MoveList legal(match.game->currentPosition());
      const double start = wallClock();
      match.computer->takeTurn();
      const double seconds = wallClock() - start;
      ASSERT_EQ(match.game->record.count(), 1) << levelName(level) << " " << fen;
      const Move& played = match.game->record.last()->move;
      EXPECT_NE(std::find(legal.begin(), legal.end(), played), legal.end()) << levelName(level) << " " << fen;
      EXPECT_LT(seconds, levelSeconds(level, 0.05) + 0.2) << levelName(level) << " " << fen;
      ASSERT_FALSE(match.log.lines.empty());
      const LogLine& line = match.log.lines.back();
      EXPECT_EQ(line.topic, LineTopic::SearchedMove) << levelName(level);
      EXPECT_EQ(line.level, level == Level::Classic ? "" : levelName(level)) << fen;
    }
  }
}

// The level's random choices come from the player's own generator: the same seed, the same game.
TEST(ComputerLevels, NoisyLevelsRepeatTheirMovesForTheSameSeed) {
  InlineRunner runner(endgameDatabase);
  for (Level level : {Level::Beginner, Level::Casual}) {
    int differences = 0;
    for (const char* fen : MiddleGames)
      for (uint32_t seed = 1; seed <= 6; ++seed) {
        LevelGame first(runner, fen, level, 0.05, seed), again(runner, fen, level, 0.05, seed),
            other(runner, fen, level, 0.05, seed + 100);
        first.computer->takeTurn();
        again.computer->takeTurn();
        other.computer->takeTurn();
        EXPECT_EQ(first.game->record.last()->move, again.game->record.last()->move) << levelName(level) << fen;
        differences += first.game->record.last()->move != other.game->record.last()->move;
      }
    EXPECT_GT(differences, 0) << levelName(level) << ": the noise never changed a move";
  }
}

// The window's runner: the expert's two threads, and a cancel that must reach both.
TEST(ComputerLevels, TheExpertsTwoThreadsStopWhenTheWindowCancelsOrAsksForTheMove) {
  HomeQueue home;
  ThreadRunner runner(endgameDatabase, [&home](std::function<void()> call) { home.post(std::move(call)); });
  for (bool cancel : {false, true}) {
    LevelGame match(runner, MiddleGames[0], Level::Expert, 1000, 1);
    match.computer->takeTurn();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const double asked = wallClock();
    if (cancel) match.computer->dropTurn();
    else match.computer->moveNow();
    ASSERT_TRUE(home.pumpUntil([&] { return !runner.busy(); }, 5)) << "cancel " << cancel;
    EXPECT_LT(wallClock() - asked, 2.0) << "cancel " << cancel;
    EXPECT_EQ(match.game->record.count(), cancel ? 0 : 1);
  }
  runner.shutdown();
}
