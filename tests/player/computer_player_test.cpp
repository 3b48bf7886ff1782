#include <gtest/gtest.h>
#include <regex>
#include "book/opening_book.h"
#include "enddb/database.h"
#include "game/history_analysis.h"
#include "player/computer_player.h"
#include "search/search_runner.h"
#include "tests/game/fakes.h"

namespace {

// Decisions run at once, as in the engine tool.
InlineRunner& runner() {
  static InlineRunner inline_(endgameDatabase);
  return inline_;
}

using Lines = std::vector<std::string>;

// The computer as White (or Black) against a scripted opponent, in a position given as FEN.
struct Match {
  RecordingLog log{1};
  ComputerPlayer* computer;
  ScriptedPlayer* opponent = new ScriptedPlayer;
  Game* game;

  Match(const char* fen, double seconds) {
    const FenSetup setup = setupFromFen(fen);
    computer = new ComputerPlayer(seconds, runner(), Book);
    game = setup.position.whiteToMove ? new Game(computer, opponent, setup.position)
                                      : new Game(opponent, computer, setup.position);
    game->log = &log;
  }
  ~Match() { delete game; }
  std::string decide() {
    log.lines.clear();
    computer->takeTurn();
    return log.lines.empty() ? "" : log.lines.back().joined();
  }
};

const std::regex SearchLine(
    R"(@[wb]c [A-H][1-8][-x][A-H][1-8] \(eval (-?\d+), time \d+\.\d\ds, depth (\d+)( and (\d+)/(\d+) moves at depth (\d+))?\))");

TEST(ComputerBook, BookMoveIsPlayedWithItsLine) {
  Book.parseBookLine("22-18", true);  // C3-D4 from the initial position
  Match match("W:W21,22,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,11,12", 1.0);
  EXPECT_EQ(match.decide(), "@wc C3-D4 (opening book move)");
  EXPECT_EQ(match.game->record.count(), 1);
}

TEST(ComputerDatabase, DatabaseDecidesWonAndSingleDrawingMovesWithoutSearch) {
  struct Case {
    const char* fen;
    const char* line;
  };
  const Case cases[] = {
      {"W:W28,K29:B3", "@wc A1-F6 (end db move)"},  // won: the database's own move
      {"W:WK25:BK4,K30", nullptr},                     // drawn, and only one move keeps the draw
  };
  for (const Case& c : cases) {
    Match match(c.fen, 5.0);
    const FenSetup setup = setupFromFen(c.fen);
    const std::string line = match.decide();
    EXPECT_EQ(line.substr(line.size() - 13), "(end db move)") << c.fen << ": " << line;
    if (c.line) {
      EXPECT_EQ(line, c.line) << c.fen;
    }
    ASSERT_EQ(match.game->record.count(), 1) << c.fen;
    const Move& played = match.game->record.last()->move;
    const uint8_t status =
        endgameDatabase.statusOf(setup.position.white, setup.position.black, setup.position.kings, true);
    const uint8_t after = endgameDatabase.statusOf(played.after.white, played.after.black, played.after.kings, false);
    EXPECT_EQ(after, status == StatusDraw ? StatusDraw : StatusLoss) << c.fen;
  }
}

TEST(ComputerDatabase, ProbesSwitchedOffForADrawnChoiceAreBackAfterTheDecision) {
  Match match("W:WK29:BK3", 0.05);  // every king move keeps the draw: the search chooses
  match.opponent->answer = false;
  const std::string line = match.decide();
  EXPECT_TRUE(std::regex_match(line, SearchLine)) << line;
  EXPECT_EQ(endgameDatabase.pieceCount, 3u) << "the database is only read";
  EXPECT_EQ(match.log.lines[0].joined(), "@wc offered draw but @bc refused.");
}

TEST(ComputerSearch, ForcedWinFoundAtDepthFiveEndsTheSearchThere) {
  Match match("W:WK1,14,22:B6,10,21,26", 30.0);  // seven pieces, above the database
  const std::string line = match.decide();
  std::smatch parts;
  ASSERT_TRUE(std::regex_match(line, parts, SearchLine)) << line;
  EXPECT_GE(std::stoi(parts[1]), 120) << line;
  EXPECT_EQ(parts[2], "5") << line;
  EXPECT_FALSE(parts[3].matched) << line;
}

TEST(ComputerSearch, LostWithTheDatabaseTheComputerDefendsOnMaterial) {
  // Two men against two kings: every line ends in three-piece endings the database calls lost.
  const char* fen = "W:W10,30:BK9,K18";
  const FenSetup setup = setupFromFen(fen);
  SearchEngine search(endgameDatabase);
  ASSERT_LE(analysePosition(search, setup.position, 4), -120) << fen;
  Match match(fen, 0.1);
  const std::string line = match.decide();
  std::smatch parts;
  ASSERT_TRUE(std::regex_match(line, parts, SearchLine)) << line;
  const int eval = std::stoi(parts[1]);
  EXPECT_GT(eval, -120) << line;
  EXPECT_LT(eval, 0) << line;
  EXPECT_EQ(endgameDatabase.pieceCount, 3u) << "probes are back after the decision";
}

TEST(ComputerSearch, FirstRootMoveIsSearchedInFullWhateverTheLimit) {
  const char* fen = "W:W21,22,23,24,25,26,27,28,29,30,31:B1,2,3,4,5,6,7,8,9,10,11,12";
  Match match(fen, 1e-9);
  const int moveCount = match.game->moveCount();
  const std::string line = match.decide();
  std::smatch parts;
  ASSERT_TRUE(std::regex_match(line, parts, SearchLine)) << line;
  EXPECT_EQ(parts[2], "1") << line;
  EXPECT_EQ(parts[4], "1") << line;
  EXPECT_EQ(parts[5], std::to_string(moveCount)) << line;
  EXPECT_EQ(parts[6], "2") << line;
}

TEST(ComputerDraws, AfterARefusedOfferTheComputerWaitsFiveTurnsBeforeOfferingAgain) {
  Match match("W:WK29:BK3", 0.01);  // king against king: always a database draw
  match.game->drawRules = false;     // the 5-move count would end this game after 10 plies
  ScriptedPlayer& black = *match.opponent;
  black.answer = false;
  std::vector<int> offeredOnTurn;
  for (int turn = 1; turn <= 7; ++turn) {
    const int questions = black.drawQuestions;
    match.computer->takeTurn();
    if (black.drawQuestions > questions) offeredOnTurn.push_back(turn);
    // Black answers with a move that keeps its king.
    const Game& game = *match.game;
    for (const Move& move : game.moves()) {
      if (endgameDatabase.statusOf(move.after.white, move.after.black, move.after.kings, true) == StatusDraw) {
        match.game->playMove(move);
        break;
      }
    }
  }
  EXPECT_EQ(offeredOnTurn, (std::vector<int>{1, 7}));
  EXPECT_EQ(match.game->record.count(), 14);
}

TEST(ComputerDraws, AcceptedOfferEndsTheTurnWithoutAMove) {
  Match match("W:WK29:BK3", 0.01);
  match.opponent->answer = true;
  EXPECT_EQ(match.decide(), "@wc offered draw and @bc accept.");
  EXPECT_EQ(match.game->result(), Drawn);
  EXPECT_EQ(match.game->record.count(), 0);
}

TEST(ComputerDraws, DrawIsAcceptedInADatabaseDrawAndInARepeatedPosition) {
  Match drawn("W:WK29:BK3", 1.0);
  EXPECT_TRUE(drawn.computer->acceptDraw());
  Match won("W:W28,K29:B3", 1.0);
  EXPECT_FALSE(won.computer->acceptDraw());

  // Kings of a position above the database step away and back: the fifth entry repeats the first.
  Match repeated("W:WK32,K31:BK1,K2,K3", 1.0);
  Game& game = *repeated.game;
  for (const char* notation : {"G1-H2", "B8-A7", "H2-G1", "A7-B8", "G1-H2"}) {
    EXPECT_FALSE(repeated.computer->acceptDraw()) << "before " << notation;
    const Move* move = findNamedMove(game, notation);
    ASSERT_NE(move, nullptr) << notation;
    game.playMove(*move);
  }
  EXPECT_TRUE(repeated.computer->acceptDraw());
}

}  // namespace
