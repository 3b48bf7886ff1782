// Whole games in the window without a display: the log of the computer's games, the level
// chosen for the computer, and a game kept at Quit and resumed at the next start.
#include <gtest/gtest.h>
#include <cstdio>
#include "game/game.h"
#include "pdn/pdn_reader.h"
#include "tests/controller/controller_window.h"
#include "tests/support/scratch_directory.h"

namespace {

bool personToMove(const Window& w) { return w.controller.commandFacts().humanToMove; }

// The lines of the computer's own decisions (not forced moves), in order.
std::vector<LogLine> decisionLines(const std::vector<LogLine>& lines) {
  std::vector<LogLine> decisions;
  for (const LogLine& line : lines)
    if (line.topic == LineTopic::BookMove || line.topic == LineTopic::DatabaseMove ||
        line.topic == LineTopic::SearchedMove)
      decisions.push_back(line);
  return decisions;
}

// The lines that report a move, in order.
std::vector<LogLine> moveLines(const std::vector<LogLine>& lines) {
  std::vector<LogLine> moves;
  for (const LogLine& line : lines)
    if (line.topic != LineTopic::Text && line.topic != LineTopic::DrawOffer) moves.push_back(line);
  return moves;
}

TEST(ControllerGames, TheComputersGameLogsEachPlyOnceInTurnAndEndsWithItsResult) {
  Window w;
  w.start(computer(0.01), computer(0.01));
  ASSERT_TRUE(w.fake.runUntil([&] { return w.game().result() != InPlay; }, 240)) << "the game ends by itself";
  const std::vector<LogLine>& lines = w.fake.messages.posted;
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines.front().text, "New game start.");
  EXPECT_EQ(lines.back().kind, MsgResult);
  const std::string result = lines.back().text;
  EXPECT_TRUE(result == "White wins!" || result == "Black wins!" || result == "Game draw.") << result;
  const std::vector<LogLine> moves = moveLines(lines);
  ASSERT_EQ((int)moves.size(), w.game().record.count()) << "one line a ply";
  for (size_t i = 0; i < moves.size(); ++i) {
    EXPECT_EQ(moves[i].white, i % 2 == 0) << "ply " << i << " names the side that moved";
    EXPECT_EQ(moves[i].move, w.game().record.entry((int)i).move) << "ply " << i;
    EXPECT_EQ(moves[i].level, "") << "classic is not named";
  }
  EXPECT_EQ(w.fake.status.rfind("@b;Game over: ", 0), 0u) << w.fake.status;
  const size_t logged = lines.size();
  w.fake.runFor(0.2);
  EXPECT_EQ(w.fake.messages.posted.size(), logged) << "nothing follows the result";
}

TEST(ControllerGames, TheLevelChosenForTheComputerAnswersAndItsLinesNameIt) {
  struct Case {
    Level level;
    const char* named;  // classic is not named
  };
  for (const Case c : {Case{Level::Beginner, "beginner"}, Case{Level::Classic, ""}, Case{Level::Strong, "strong"}}) {
    Window w;
    w.start(person(), computerSide(c.level, 0.01));
    EXPECT_EQ(w.game().setup().black.level, c.level);
    w.fake.boardView.click(9);  // C3, then D4
    w.fake.boardView.click(13);
    ASSERT_TRUE(w.fake.runUntil([&] { return personToMove(w) && w.game().record.count() >= 2; }, 10))
        << levelName(c.level);
    const std::vector<LogLine> decisions = decisionLines(w.fake.messages.posted);
    ASSERT_FALSE(decisions.empty()) << "the person's move is not logged, the computer's is";
    for (const LogLine& line : decisions) {
      EXPECT_FALSE(line.white) << levelName(c.level);
      EXPECT_EQ(line.level, c.named) << levelName(c.level);
    }
  }
}

TEST(ControllerGames, AGameKeptAtQuitResumesWithTheComputerAtItsLevelAndTime) {
  ScratchDirectory dir;
  const std::string path = dir.path + "/game-in-play.pdn";
  Position atQuit;
  int plies = 0;
  {
    Window w;
    w.controller.keepGamesInPlayAt(path);
    w.start(person(), computerSide(Level::Strong, 0.01));
    w.play("C3-D4");
    ASSERT_TRUE(w.fake.runUntil([&] { return personToMove(w); }, 10));
    atQuit = w.game().currentPosition();
    plies = w.game().record.count();
    w.controller.quit();
  }
  const PdnReading kept = readPdnFile(path);
  ASSERT_TRUE(kept.ok());
  ASSERT_EQ(kept.games.size(), 1u);
  EXPECT_EQ(kept.games[0].tag("BlackLevel"), "strong");
  EXPECT_EQ(kept.games[0].tag("BlackTime"), "0.01");

  Window w;
  w.controller.keepGamesInPlayAt(path);
  w.fake.answers = {true};
  w.fake.players = [](GameSetup&) {};  // the players dialog accepts the players it shows
  w.controller.offerGameInPlay();
  EXPECT_EQ(w.fake.asked, (Lines{"Resume the game that was in play when Tarvenn was closed?"}));
  ASSERT_NE(w.controller.game(), nullptr);
  const SideSetup& black = w.game().setup().black;
  EXPECT_TRUE(black.isComputer());
  EXPECT_EQ(black.level, Level::Strong);
  EXPECT_EQ(black.seconds, 0.01);
  EXPECT_EQ(w.game().currentPosition(), atQuit);
  EXPECT_EQ(w.game().record.count(), plies);
  EXPECT_EQ(std::fopen(path.c_str(), "r"), nullptr) << "a resumed game is kept again only at the next Quit";
  // The computer's first answers may be forced moves, which name no level: the person plays
  // on until it decides one.
  for (int ply = 0; ply < 10 && decisionLines(w.fake.messages.posted).empty(); ++ply) {
    ASSERT_TRUE(personToMove(w)) << "ply " << ply;
    w.game().playMove(w.game().moves()[0]);
    ASSERT_TRUE(w.fake.runUntil([&] { return personToMove(w); }, 10)) << "the resumed computer answers";
  }
  const std::vector<LogLine> decisions = decisionLines(w.fake.messages.posted);
  ASSERT_FALSE(decisions.empty());
  EXPECT_EQ(decisions.back().level, "strong");
}

}  // namespace
