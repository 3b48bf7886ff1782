// Game > Review game in the window controller: it runs on the worker, its marks go into the
// moves' notes (saved and opened with them), and nothing of a stopped review arrives.
#include <gtest/gtest.h>
#include <chrono>
#include <memory>
#include "enddb/database.h"
#include "pdn/pdn_writer.h"
#include "pdn/review_notes.h"
#include "tests/controller/fake_window.h"
#include "ui/controller/window_controller.h"

namespace {

struct Reviewing {
  FakeWindow fake;
  WindowController controller{fake, fake, fake, endgameDatabase, Book};

  Game& game() { return const_cast<Game&>(*controller.game()); }
  // A game between two people with these moves played.
  void playGame(std::initializer_list<const char*> moves) {
    fake.players = [](GameSetup&) {};
    controller.newGame();
    for (const char* notation : moves) {
      const Move* move = findNamedMove(game(), notation);
      ASSERT_NE(move, nullptr) << notation;
      game().playMove(*move);
      for (int i = 0; i < 3 && fake.fireTimers(); ++i) {
      }
    }
  }
  bool reviewing() const { return controller.commandFacts().reviewing; }
  int reviewedMoves() {
    int held = 0;
    for (int i = 0; i < game().record.count(); ++i) {
      ReviewNote note;
      held += readReviewNote(game().record.entry(i).notes, note);
    }
    return held;
  }
};

const std::initializer_list<const char*> FourMoves = {"C3-D4", "F6-G5", "B2-C3", "G7-F6"};

TEST(GameReview, AReviewMarksEveryMoveShowsTheGraphAndTheSummaryAndSavesItsNotes) {
  Reviewing r;
  r.playGame(FourMoves);
  r.game().record.entry(1).notes = {"{a player's own comment}"};
  r.fake.reviewSeconds = 0.05;
  r.controller.reviewGame();
  ASSERT_TRUE(r.reviewing());
  EXPECT_FALSE(r.fake.commands.review) << "one review at a time";
  EXPECT_EQ(r.fake.reviewProgress.front(), std::make_pair(0, 5));
  ASSERT_TRUE(r.fake.runUntil([&] { return !r.reviewing(); }));
  EXPECT_EQ(r.fake.reviewProgress.back(), std::make_pair(0, 0)) << "the progress bar goes";
  EXPECT_EQ(r.reviewedMoves(), 4);
  EXPECT_EQ(r.fake.graph.size(), 5u) << "one point per position";
  EXPECT_EQ(r.fake.markShows, 1) << "the history shows the marks of the moves it already holds";
  const std::vector<std::string> log = r.fake.messages.texts();
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[log.size() - 2].rfind("White: ?! ", 0), 0u) << log[log.size() - 2];
  EXPECT_EQ(log.back().rfind("Black: ?! ", 0), 0u) << log.back();

  r.controller.saveGame();
  ASSERT_EQ(r.fake.saved.size(), 1u);
  const std::string text = pdnText(r.fake.saved[0]);
  EXPECT_NE(text.find("{a player's own comment}"), std::string::npos) << text;
  EXPECT_NE(text.find(" best "), std::string::npos) << text;

  // The saved game opens reviewed: its graph shows at once.
  Reviewing opened;
  opened.fake.toOpen = r.fake.saved[0];
  opened.fake.players = [](GameSetup&) {};
  opened.controller.openGame();
  ASSERT_NE(opened.controller.game(), nullptr);
  EXPECT_EQ(opened.fake.graph.size(), 5u);
  EXPECT_EQ(opened.reviewedMoves(), 4);
}

TEST(GameReview, TakeBackNewGameCancelOrClosingStopTheReviewAndNothingOfItArrives) {
  struct Case {
    const char* what;
    std::function<void(Reviewing&)> act;
  } cases[] = {
      {"take back", [](Reviewing& r) { r.controller.takeBack(); }},
      {"new game",
       [](Reviewing& r) {
         r.fake.answers = {true};
         r.controller.newGame();
       }},
      {"cancel", [](Reviewing& r) { r.controller.cancelReview(); }},
      {"analysis board", [](Reviewing& r) { r.controller.toggleAnalysisBoard(); }},
  };
  for (const Case& c : cases) {
    Reviewing r;
    r.playGame(FourMoves);
    r.fake.reviewSeconds = 0.5;
    r.controller.reviewGame();
    ASSERT_TRUE(r.fake.runUntil([&] { return r.fake.reviewProgress.back().first >= 1; })) << c.what;
    c.act(r);
    EXPECT_FALSE(r.reviewing()) << c.what;
    EXPECT_EQ(r.fake.reviewProgress.back(), std::make_pair(0, 0)) << c.what;
    const size_t progress = r.fake.reviewProgress.size();
    r.fake.runFor(3.0);  // longer than the review would have run
    EXPECT_EQ(r.fake.reviewProgress.size(), progress) << c.what << ": no late progress";
    EXPECT_EQ(r.reviewedMoves(), 0) << c.what << ": no late marks";
    EXPECT_TRUE(r.fake.graph.empty()) << c.what;
    EXPECT_EQ(r.fake.markShows, 0) << c.what;
  }

  auto closing = std::make_unique<Reviewing>();
  closing->playGame(FourMoves);
  closing->fake.reviewSeconds = 10;
  closing->controller.reviewGame();
  const auto begun = std::chrono::steady_clock::now();
  closing.reset();
  EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - begun).count(), 1.0);
}

TEST(GameReview, NoReviewWhileAComputerPlaysOrWithoutMoves) {
  Reviewing r;
  r.playGame({});
  EXPECT_FALSE(r.fake.commands.review) << "no moves";
  r.fake.players = [](GameSetup& setup) { setup.black = computerSide(Level::Classic, 30); };
  r.controller.newGame();
  const Move* move = findNamedMove(r.game(), "C3-D4");
  ASSERT_NE(move, nullptr);
  r.game().playMove(*move);
  r.fake.fireTimers();
  r.controller.refresh();
  EXPECT_FALSE(r.fake.commands.review) << "the computer needs the worker";
  r.fake.reviewSeconds = 1;
  r.controller.reviewGame();
  EXPECT_FALSE(r.reviewing());
}

}  // namespace
