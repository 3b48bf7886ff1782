// The analysis board mode: the game waits and comes back exactly as it was; the board steps
// through its moves and keeps side lines.
#include <gtest/gtest.h>
#include <chrono>
#include <memory>
#include "enddb/database.h"
#include "engine/fen.h"
#include "pdn/pdn_notation.h"
#include "tests/controller/controller_window.h"
#include "ui/controller/window_controller.h"

namespace {

using Board = Window;  // the controller between a fake window and the real worker

std::string fenOf(const Game& game) { return writeFen(game.currentPosition()); }

TEST(AnalysisBoard, LeavingItBringsBackTheGameAsItWasWithTheComputerThinkingAgain) {
  Board b;
  b.start(SideSetup(), computerSide(Level::Classic, 2));
  b.play("C3-D4");
  ASSERT_TRUE(b.thinking());
  const Game* game = b.controller.game();
  const std::string before = fenOf(*game);

  b.controller.toggleAnalysisBoard();
  ASSERT_TRUE(b.controller.inAnalysisBoard());
  EXPECT_NE(b.controller.game(), game);
  EXPECT_FALSE(b.thinking()) << "the game's computer stops";
  EXPECT_FALSE(b.fake.runUntil([&] { return b.controller.game()->record.count() != 1; }, 0.3))
      << "no late move of the waiting computer reaches the board";
  EXPECT_EQ(b.fake.record, &b.controller.game()->record) << "the history shows the board's moves";
  EXPECT_EQ(fenOf(*b.controller.game()), before) << "the board starts from the game's position";
  // Either side moves on the board; the status says whose turn it is there.
  b.play("F6-G5");
  b.play("B2-C3");
  EXPECT_EQ(b.fake.status, "Analysis board: Black to move.");
  EXPECT_FALSE(b.fake.commands.resign);
  EXPECT_TRUE(b.fake.commands.back);

  b.controller.toggleAnalysisBoard();
  EXPECT_FALSE(b.controller.inAnalysisBoard());
  ASSERT_EQ(b.controller.game(), game);
  EXPECT_EQ(fenOf(*game), before);
  EXPECT_EQ(game->record.count(), 1);
  EXPECT_EQ(b.fake.record, &game->record);
  EXPECT_TRUE(b.thinking()) << "the computer has its turn again";
  EXPECT_TRUE(b.fake.runUntil([&] { return game->record.count() == 2; })) << "and plays its move";
  EXPECT_FALSE(b.fake.commands.back);
}

TEST(AnalysisBoard, BackAndForwardStepThroughTheMovesAndAnotherMoveStartsASideLine) {
  Board b;
  b.controller.toggleAnalysisBoard();  // without a game: from the initial position
  ASSERT_NE(b.controller.game(), nullptr);
  EXPECT_EQ(fenOf(*b.controller.game()), writeFen(InitialPosition));
  for (const char* move : {"C3-D4", "F6-G5", "B2-C3", "G7-F6"}) b.play(move);
  const GameRecord& record = b.controller.game()->record;
  b.controller.back();
  b.controller.back();
  b.controller.back();
  EXPECT_EQ(record.count(), 1);
  b.controller.forward();
  EXPECT_EQ(record.count(), 2);
  EXPECT_TRUE(b.fake.commands.forward);
  b.play("G3-H4");
  EXPECT_EQ(record.count(), 3);
  ASSERT_EQ(record.entry(2).variations.size(), 1u) << "B2-C3 G7-F6 stay as a side line";
  EXPECT_EQ(record.entry(2).variations[0].size(), 2u);
  EXPECT_FALSE(b.fake.commands.forward);
  // Back to before a capture the side to move must make: the board waits for it.
  b.controller.back();
  b.controller.back();
  b.controller.back();
  EXPECT_EQ(record.count(), 0);
  b.play("C3-D4");
  b.play("F6-E5");
  EXPECT_EQ(b.controller.game()->moveCount(), 1) << "a forced capture";
  EXPECT_EQ(record.count(), 2) << "it is not played at once on the board";
  // Saved from the board, the side line is written as a variation.
  b.controller.saveGame();
  ASSERT_EQ(b.fake.saved.size(), 1u);
  EXPECT_EQ(b.fake.saved[0].variationsAt(1).size(), 1u) << "F6-G5 ... is the side line of F6-E5";
}

TEST(AnalysisBoard, PlayFromHereStartsAGameAgainstTheComputerFromTheBoardsPosition) {
  Board b;
  b.start(SideSetup(), SideSetup());
  b.play("C3-D4");
  b.controller.toggleAnalysisBoard();
  b.play("F6-G5");
  const std::string position = fenOf(*b.controller.game());
  GameSetup shown;
  b.fake.players = [&shown](GameSetup& setup) { shown = setup; };
  b.controller.playFromHere();
  EXPECT_FALSE(b.controller.inAnalysisBoard());
  ASSERT_NE(b.controller.game(), nullptr);
  EXPECT_EQ(writeFen(b.controller.game()->setup().start), position);
  EXPECT_TRUE(shown.white.isPerson() && shown.black.isComputer()) << "the person plays the side to move";
  EXPECT_EQ(b.controller.game()->record.count(), 0);
}

TEST(AnalysisBoard, NewGameAndQuitLeaveTheBoardForTheWaitingGame) {
  Board b;
  b.start(SideSetup(), SideSetup());
  b.play("C3-D4");
  const Game* game = b.controller.game();
  b.controller.toggleAnalysisBoard();
  b.play("F6-G5");
  ASSERT_TRUE(b.fake.runUntil([&] { return !b.fake.analysisRows.empty(); }));
  b.fake.answers = {false};  // the game is not abandoned
  b.controller.newGame();
  EXPECT_FALSE(b.controller.inAnalysisBoard());
  EXPECT_EQ(b.controller.game(), game);
  ASSERT_EQ(b.fake.asked.size(), 1u) << "the question is about the game, not the board";
  EXPECT_EQ(game->record.count(), 1);
  // The board's analysis stopped with it: nothing of it arrives any more.
  EXPECT_TRUE(b.fake.analysisRows.empty());
  const int shows = b.fake.analysisShows;
  b.fake.runFor(0.6);
  EXPECT_EQ(b.fake.analysisShows, shows);
  EXPECT_FALSE(b.controller.commandFacts().workerBusy);
}

// The first move of a panel row, legal in `position`.
bool startsLegally(const AnalysisRow& row, const Position& position) {
  Move move;
  std::string error;
  return readMoveText(row.moves.substr(0, row.moves.find(' ')), position, move, error);
}

TEST(AnalysisBoard, TheLiveAnalysisFollowsThePositionAndItsLateReportsAreDropped) {
  Board b;
  b.controller.toggleAnalysisBoard();
  ASSERT_TRUE(b.fake.runUntil([&] { return b.fake.analysisRows.size() == 3; })) << "three lines of seven moves";
  for (const AnalysisRow& row : b.fake.analysisRows) {
    EXPECT_TRUE(startsLegally(row, InitialPosition)) << row.moves;
    EXPECT_GT(row.depth, 0);
    EXPECT_FALSE(row.evaluation.empty());
  }
  EXPECT_NE(b.fake.status.find("M nodes/s"), std::string::npos) << b.fake.status;

  // A new position empties the panel at once; what arrives next belongs to it.
  b.play("C3-D4");
  const Position after = b.controller.game()->currentPosition();
  EXPECT_TRUE(b.fake.analysisRows.empty());
  ASSERT_TRUE(b.fake.runUntil([&] { return !b.fake.analysisRows.empty(); }));
  for (const AnalysisRow& row : b.fake.analysisRows) EXPECT_TRUE(startsLegally(row, after)) << row.moves;

  // Clicking a line plays its first move.
  ASSERT_TRUE(b.fake.runUntil([&] { return b.fake.analysisRows.size() == 3; }));
  const std::string second = b.fake.analysisRows[1].moves.substr(0, 5);
  b.controller.playAnalysisLine(1);
  ASSERT_EQ(b.controller.game()->record.count(), 2);
  EXPECT_EQ(moveText(after, b.controller.game()->record.entry(1).move), second);

  // Leaving the mode stops it: nothing more reaches the panel.
  b.controller.toggleAnalysisBoard();
  EXPECT_TRUE(b.fake.analysisRows.empty());
  const int shows = b.fake.analysisShows;
  b.fake.runFor(0.6);
  EXPECT_EQ(b.fake.analysisShows, shows);
  EXPECT_FALSE(b.controller.commandFacts().workerBusy);
}

TEST(AnalysisBoard, ClosingTheWindowDuringTheAnalysisStopsItAtOnce) {
  auto b = std::make_unique<Board>();
  b->controller.toggleAnalysisBoard();
  ASSERT_TRUE(b->fake.runUntil([&] { return !b->fake.analysisRows.empty(); }));
  const auto begun = std::chrono::steady_clock::now();
  b.reset();  // the controller goes first, then the window
  EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - begun).count(), 1.0);
}

}  // namespace
