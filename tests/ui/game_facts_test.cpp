#include <gtest/gtest.h>
#include "engine/fen.h"
#include "game/game.h"
#include "pdn/pdn_reader.h"
#include "pdn/pdn_writer.h"
#include "game/record_pdn.h"
#include "game/setup_tags.h"
#include "ui/controller/game_facts.h"
#include "tests/game/fakes.h"

namespace {

// Games whose players never get a turn, set up as people or computers.
GameSetup setupOf(const SideSetup& white, const SideSetup& black) {
  GameSetup setup;
  setup.white = white;
  setup.black = black;
  return setup;
}
const SideSetup Person{};

struct SetUpGame : Game {
  explicit SetUpGame(const GameSetup& setup) : Game(setup, new ScriptedPlayer, new ScriptedPlayer) {}
};

TEST(GameFacts, ASavedGameNamesItsPlayersKindsAndThePlayersDialogShowsThemAgain) {
  const SideSetup computer = computerSide(Level::Classic, 5);
  const struct {
    SideSetup white, black;
  } cases[] = {{Person, Person}, {Person, computer}, {computer, Person}, {computer, computer}};
  for (const auto& c : cases) {
    SetUpGame game(setupOf(c.white, c.black));
    const std::string what = std::string(kindName(c.white.kind)) + " against " + kindName(c.black.kind);
    const PdnGame saved = gameAsPdn(game);
    EXPECT_EQ(saved.tag("White"), kindName(c.white.kind)) << what;
    EXPECT_EQ(saved.tag("Black"), kindName(c.black.kind)) << what;
    const GameSetup reopened = setupFromPdn(saved);
    EXPECT_EQ(reopened.white.kind, c.white.kind) << what;
    EXPECT_EQ(reopened.black.kind, c.black.kind) << what;
  }
}

TEST(GameFacts, ASavedGameNamesTheWinnerAsTheSideNotToMove) {
  Position start;
  std::string error;
  ASSERT_TRUE(parseFen("B:W18:B", start, error)) << error;  // Black has nothing left: White won
  Game won(new ScriptedPlayer, new ScriptedPlayer, start);
  won.startGame();
  EXPECT_EQ(pdnResultOf(won), PdnResult::WhiteWins);
  Game resigned(new ScriptedPlayer, new ScriptedPlayer);
  resigned.startGame();
  resigned.resign();  // White to move gives up
  EXPECT_EQ(pdnResultOf(resigned), PdnResult::BlackWins);
  Game playing(new ScriptedPlayer, new ScriptedPlayer);
  playing.startGame();
  EXPECT_EQ(pdnResultOf(playing), PdnResult::Unfinished);
}

TEST(GameFacts, ASavedGameKeepsItsComputersKindLevelAndTimeForReopening) {
  SetUpGame game(setupOf(computerSide(Level::Expert, 2.5), Person));
  const PdnGame kept = gameAsPdn(game);
  EXPECT_EQ(kept.tag("Event"), "Tarvenn game");
  EXPECT_EQ(kept.tag("WhiteType"), "computer");
  EXPECT_EQ(kept.tag("BlackType"), "human");
  EXPECT_EQ(kept.tag("WhiteLevel"), "expert");
  EXPECT_EQ(kept.tag("WhiteTime"), "2.50");
  EXPECT_EQ(kept.tag("BlackLevel", "none"), "none") << "a person has no level";
  const PdnReading reading = readPdn(pdnText(kept));
  ASSERT_TRUE(reading.ok()) << reading.fault.describe();
  const GameSetup resumed = setupFromPdn(reading.games.at(0));
  EXPECT_EQ(resumed.white.kind, PlayerKind::Computer);
  EXPECT_EQ(resumed.white.level, Level::Expert);
  EXPECT_DOUBLE_EQ(resumed.white.seconds, 2.5);
  EXPECT_EQ(resumed.black.kind, PlayerKind::Person);
}

// A saved game opened as the window opens it: its moves, then its result, then the start.
struct Opened {
  RecordingLog log;
  Game game;
  explicit Opened(const PdnGame& saved) : game(new ScriptedPlayer, new ScriptedPlayer, saved.start) {
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
  // The variation is a line of legal moves: it is kept as a side line, not as raw text.
  EXPECT_TRUE(saved.notesAfter(1).empty());
  ASSERT_EQ(saved.variationsAt(1).size(), 1u);
  EXPECT_EQ(saved.variationsAt(1)[0].moves.size(), 1u);
}

}  // namespace
