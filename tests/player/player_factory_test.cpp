// Players made from a game's setup.
#include <gtest/gtest.h>
#include <memory>
#include "book/opening_book.h"
#include "enddb/database.h"
#include "game/game.h"
#include "player/computer_player.h"
#include "player/human_player.h"
#include "game/player_factory.h"
#include "search/search_runner.h"
#include "tests/game/fakes.h"

namespace {

TEST(PlayerFactory, TheComputerGetsTheSetupsLevelAndTimeAndAPersonTheSeat) {
  InlineRunner runner(endgameDatabase);
  PlayerServices services;
  services.runner = &runner;
  services.book = &Book;
  for (int i = 0; i < LevelCount; ++i) {
    const Level level = (Level)i;
    std::unique_ptr<Player> player(makePlayer(computerSide(level, 0.25 + i), services));
    const ComputerPlayer* computer = dynamic_cast<const ComputerPlayer*>(player.get());
    ASSERT_NE(computer, nullptr) << levelName(level);
    EXPECT_EQ(computer->level, level);
    EXPECT_DOUBLE_EQ(computer->timeLimit, 0.25 + i) << "the time as chosen; the level scales it when it plays";
    EXPECT_TRUE(computer->drawOffers);
  }
  SideSetup noOffers = computerSide(Level::Strong, 1);
  noOffers.drawOffers = false;  // as a match without draw offers sets it
  std::unique_ptr<Player> silent(makePlayer(noOffers, services));
  EXPECT_FALSE(static_cast<const ComputerPlayer*>(silent.get())->drawOffers);
  std::unique_ptr<Player> person(makePlayer(SideSetup(), services));
  EXPECT_NE(dynamic_cast<HumanPlayer*>(person.get()), nullptr);
}

TEST(PlayerFactory, WithoutARunnerNoComputerIsMadeAndWithoutABookItPlaysFromItsSearch) {
  PlayerServices none;
  EXPECT_EQ(makePlayer(computerSide(Level::Classic, 1), none), nullptr);
  std::unique_ptr<Player> person(makePlayer(SideSetup(), none));
  EXPECT_NE(person, nullptr) << "a person needs no runner";

  // A book that knows the first move, which a computer without the book does not play.
  Book.parseBookLine("22-18", true);
  InlineRunner runner(endgameDatabase);
  PlayerServices bookless;
  bookless.runner = &runner;
  GameSetup setup;
  setup.white = computerSide(Level::Classic, 0.05);
  Game game(setup, makePlayer(setup.white, bookless), makePlayer(setup.black, bookless));
  RecordingLog log{1};
  game.log = &log;
  game.whitePlayer()->takeTurn();
  ASSERT_EQ(game.record.count(), 1);
  ASSERT_FALSE(log.lines.empty());
  EXPECT_EQ(log.lines.back().text.find("opening book"), std::string::npos) << log.lines.back().joined();
  EXPECT_NE(log.lines.back().text.find("depth"), std::string::npos) << log.lines.back().joined();
}

}  // namespace
