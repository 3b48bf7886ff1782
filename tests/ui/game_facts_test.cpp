#include <gtest/gtest.h>
#include "book/opening_book.h"
#include "enddb/database.h"
#include "engine/fen.h"
#include "game/game.h"
#include "search/computer_player.h"
#include "search/search_runner.h"
#include "ui/game_facts.h"
#include "ui/human_player.h"

namespace {

// Games whose players are people or computers that never get a turn.
struct Table {
  InlineRunner runner{endgameDatabase};
  Player* make(const char* kind, double seconds = 1) {
    if (std::string(kind) == "human") return new HumanPlayer;
    return new ComputerPlayer(seconds, runner, Book);
  }
};

TEST(GameFacts, WhoPlaysByHandHowLongAHintThinksAndWhichWayTheBoardStarts) {
  struct Case {
    const char *white, *black;
    double whiteSeconds, blackSeconds;
    bool humanWhite, humanBlack;
    double hint;
    bool flipped;
  };
  const Case cases[] = {
      {"human", "human", 1, 1, true, true, 1.0, false},
      {"human", "computer", 1, 5, true, false, 5.0, false},
      {"computer", "human", 0.01, 1, false, true, 1.0, true},  // at least a second
      {"computer", "computer", 2, 3, false, false, 3.0, false},
  };
  for (const Case& c : cases) {
    Table table;
    Game game(table.make(c.white, c.whiteSeconds), table.make(c.black, c.blackSeconds));
    const std::string what = std::string(c.white) + " against " + c.black;
    EXPECT_EQ(humanSides(game).white, c.humanWhite) << what;
    EXPECT_EQ(humanSides(game).black, c.humanBlack) << what;
    EXPECT_DOUBLE_EQ(hintSeconds(game), c.hint) << what;
    EXPECT_EQ(startsFlipped(game), c.flipped) << what;
    const PdnGame saved = gameAsPdn(game);
    EXPECT_EQ(saved.tag("White"), c.white);
    EXPECT_EQ(saved.tag("Black"), c.black);
    // A saved game names its players' kinds, and the players dialog shows them again.
    const NewGameChoices choices = choicesFromPdn(saved);
    EXPECT_EQ(choices.white.player, c.white);
    EXPECT_EQ(choices.black.player, c.black);
  }
}

TEST(GameFacts, ASavedGameNamesTheWinnerAsTheSideNotToMove) {
  Table table;
  Position start;
  std::string error;
  ASSERT_TRUE(parseFen("B:W18:B", start, error)) << error;  // Black has nothing left: White won
  Game won(table.make("human"), table.make("human"), start);
  won.startGame();
  EXPECT_EQ(pdnResultOf(won), PdnResult::WhiteWins);
  Game resigned(table.make("human"), table.make("human"));
  resigned.startGame();
  resigned.resign();  // White to move gives up
  EXPECT_EQ(pdnResultOf(resigned), PdnResult::BlackWins);
  Game playing(table.make("human"), table.make("human"));
  playing.startGame();
  EXPECT_EQ(pdnResultOf(playing), PdnResult::Unfinished);
  PdnGame strange;
  strange.setTag("White", "Ann");  // not a kind of player: two people
  EXPECT_EQ(choicesFromPdn(strange).white.player, "human");
}

TEST(GameFacts, ASavedGameKeepsItsComputersKindLevelAndTimeForReopening) {
  Table table;
  ComputerPlayer* white = static_cast<ComputerPlayer*>(table.make("computer", 2.5));
  white->level = Level::Expert;
  Game game(white, table.make("human"));
  const PdnGame kept = gameAsPdn(game);
  EXPECT_EQ(kept.tag("WhiteType"), "computer");
  EXPECT_EQ(kept.tag("BlackType"), "human");
  EXPECT_EQ(kept.tag("WhiteLevel"), "expert");
  EXPECT_EQ(kept.tag("WhiteTime"), "2.50");
  EXPECT_EQ(kept.tag("BlackLevel", "none"), "none") << "a person has no level";
  const NewGameChoices resumed = choicesFromPdn(kept);
  EXPECT_EQ(resumed.white.player, "computer");
  EXPECT_EQ(resumed.white.level, Level::Expert);
  EXPECT_DOUBLE_EQ(resumed.white.seconds, 2.5);
  EXPECT_EQ(resumed.black.player, "human");

  // Damaged values in the kept game give the dialog's defaults, one value at a time.
  const struct {
    const char *level, *time;
    Level expectedLevel;
    double expectedSeconds;
  } cases[] = {
      {"strong", "0.01", Level::Strong, 0.01},  {"Strong", "2", Level::Classic, 2},
      {"", "", Level::Classic, 1},              {"casual", "31", Level::Casual, 1},
      {"beginner", "nan", Level::Beginner, 1},  {"expert", "1.5s", Level::Expert, 1},
  };
  for (const auto& c : cases) {
    PdnGame edited = kept;
    edited.setTag("WhiteLevel", c.level);
    edited.setTag("WhiteTime", c.time);
    const SideChoice side = choicesFromPdn(edited).white;
    EXPECT_EQ(side.level, c.expectedLevel) << c.level << " " << c.time;
    EXPECT_DOUBLE_EQ(side.seconds, c.expectedSeconds) << c.level << " " << c.time;
  }
}

}  // namespace
