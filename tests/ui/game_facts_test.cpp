#include <gtest/gtest.h>
#include "book/opening_book.h"
#include "enddb/database.h"
#include "engine/fen.h"
#include "game/game.h"
#include "pdn/pdn_reader.h"
#include "pdn/pdn_writer.h"
#include "game/record_pdn.h"
#include "search/computer_player.h"
#include "search/search_runner.h"
#include "ui/game_facts.h"
#include "ui/human_player.h"
#include "tests/game/fakes.h"

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
      {"grandmaster", "abc", Level::Classic, 1},
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

// A saved game opened as the window opens it: its moves, then its result, then the start.
struct Opened {
  RecordingLog log;
  Game game;
  explicit Opened(const PdnGame& saved) : game(new HumanPlayer, new HumanPlayer, saved.start) {
    game.log = &log;
    appendPdnMoves(game.record, saved);
    endAsSaved(game, saved.result);
    game.startGame();
  }
};

TEST(GameFacts, AGameItsFileMarksEndedOpensEndedInEveryResultForm) {
  const struct {
    const char* result;
    GameResult expected;
    bool whiteWon;
    const char* line;
    PdnResult saved;
  } cases[] = {
      {"1-0", Won, true, "White wins!", PdnResult::WhiteWins},
      {"2-0", Won, true, "White wins!", PdnResult::WhiteWins},
      {"0-1", Won, false, "Black wins!", PdnResult::BlackWins},
      {"0-2", Won, false, "Black wins!", PdnResult::BlackWins},
      {"1/2-1/2", Drawn, false, "Game draw.", PdnResult::Draw},
      {"1-1", Drawn, false, "Game draw.", PdnResult::Draw},
      {"*", InPlay, false, "New game start.", PdnResult::Unfinished},
  };
  for (const auto& c : cases) {
    // White to move after 1. c3-d4 f6-g5: a win for White is not the mover's opponent's.
    const PdnReading reading = readPdn(std::string("[White \"Ana\"]\n\n1. c3-d4 f6-g5 ") + c.result + "\n");
    ASSERT_TRUE(reading.ok()) << reading.fault.describe();
    Opened opened(reading.games.at(0));
    EXPECT_EQ(opened.game.result(), c.expected) << c.result;
    if (c.expected == Won) {
      EXPECT_EQ(opened.game.whiteWon(), c.whiteWon) << c.result;
    }
    EXPECT_EQ(opened.log.texts().back(), c.line) << c.result;
    EXPECT_EQ(opened.game.awaitingMove(), c.expected == InPlay) << c.result << ": an ended game gives no turn";
    EXPECT_EQ(pdnResultOf(opened.game), c.saved) << c.result;
    // Take back brings it into play, and it is saved as unfinished.
    opened.game.takeBack(1);
    EXPECT_EQ(opened.game.result(), InPlay) << c.result;
    EXPECT_EQ(pdnResultOf(opened.game), PdnResult::Unfinished) << c.result;
  }
}

TEST(GameFacts, AnOpenedGameIsSavedWithItsFileTagsAndThePlayersOfNow) {
  const char* const file =
      "[Event \"Club evening\"]\n[Date \"2026.11.30\"]\n[White \"Ana\"]\n[Black \"Bruno\"]\n[Result \"2-0\"]\n"
      "[WhiteType \"computer\"]\n[WhiteLevel \"strong\"]\n[WhiteTime \"2.00\"]\n[Opening \"Cross\"]\n\n"
      "1. c3-d4 {a comment} f6-g5 (1... f6-e5) 2-0\n";
  const PdnGame read = readPdn(file).games.at(0);
  Opened opened(read);  // now with two people
  const PdnGame saved = gameAsPdn(opened.game);
  EXPECT_EQ(saved.tag("Event"), "Club evening");
  EXPECT_EQ(saved.tag("Date"), "2026.11.30");
  EXPECT_EQ(saved.tag("White"), "Ana");
  EXPECT_EQ(saved.tag("Opening"), "Cross");
  EXPECT_EQ(saved.tag("WhiteType"), "human");
  EXPECT_EQ(saved.tag("WhiteLevel", "none"), "none") << "a person has no level";
  EXPECT_EQ(saved.result, PdnResult::WhiteWins);
  EXPECT_EQ(saved.notesAfter(0), PdnNotes{"{a comment}"});
  EXPECT_EQ(saved.notesAfter(1), PdnNotes{"(1... f6-e5)"});
}

TEST(GameFacts, KindLevelAndTimeTagsComeBackAsThePlayersDefaults) {
  Table table;
  ComputerPlayer* black = static_cast<ComputerPlayer*>(table.make("computer", 0.25));
  black->level = Level::Beginner;
  Game game(table.make("human"), black);
  const PdnReading reading = readPdn(pdnText(gameAsPdn(game)));
  ASSERT_TRUE(reading.ok()) << reading.fault.describe();
  const NewGameChoices choices = choicesFromPdn(reading.games.at(0));
  EXPECT_EQ(choices.white.player, "human");
  EXPECT_EQ(choices.black.player, "computer");
  EXPECT_EQ(choices.black.level, Level::Beginner);
  EXPECT_DOUBLE_EQ(choices.black.seconds, 0.25);

  // A game kept before the Type tags existed names the kinds in White and Black.
  const PdnReading old = readPdn(
      "[Event \"Tarvenn game\"]\n[White \"computer\"]\n[Black \"human\"]\n[Result \"*\"]\n"
      "[WhiteLevel \"expert\"]\n[WhiteTime \"3.00\"]\n\n1. c3-d4 *\n");
  ASSERT_TRUE(old.ok()) << old.fault.describe();
  const NewGameChoices resumed = choicesFromPdn(old.games.at(0));
  EXPECT_EQ(resumed.white.player, "computer");
  EXPECT_EQ(resumed.white.level, Level::Expert);
  EXPECT_DOUBLE_EQ(resumed.white.seconds, 3.0);
  EXPECT_EQ(resumed.black.player, "human");

  // A damaged kind gives way to the name tag, then to a person.
  const struct {
    const char *type, *name, *expected;
  } kinds[] = {{"robot", "computer", "computer"}, {"robot", "Ana", "human"}, {"", "Ana", "human"},
               {"computer", "Ana", "computer"}, {"Computer", "Ana", "human"}};
  for (const auto& k : kinds) {
    PdnGame edited;
    edited.setTag("White", k.name);
    edited.setTag("WhiteType", k.type);
    EXPECT_EQ(choicesFromPdn(edited).white.player, k.expected) << k.type << " " << k.name;
  }
}

}  // namespace
