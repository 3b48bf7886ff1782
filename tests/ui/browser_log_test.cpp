#include <FL/Fl.H>
#include <gtest/gtest.h>
#include <string>
#include "display.h"
#include "tests/game/fakes.h"
#include "ui/browser_log.h"

namespace {

// Browser lines measure their text, which needs an X server.
class Log : public ::testing::Test {
protected:
  void SetUp() override {
    if (!openDisplay()) GTEST_SKIP() << "no X display";
    browser = new LogBrowser(0, 0, 400, 100);
    log = new BrowserLog(browser);
  }
  void TearDown() override {
    delete log;
    delete browser;
  }
  std::string line(int n) const { return browser->text(n) ? browser->text(n) : ""; }

  LogBrowser* browser = nullptr;
  BrowserLog* log = nullptr;
};

TEST_F(Log, NewestLineOnTopEventsAndResultsBoldMovesPlain) {
  SearchFigures figures;
  figures.seconds = 0.01;
  figures.depth = 3;
  log->post(MsgEvent, "New game start.");
  log->post(moveLine(LineTopic::SearchedMove, true, moveNamed(InitialPosition, "C3-D4"), figures));
  log->post(MsgResult, "White wins!");
  ASSERT_EQ(browser->size(), 3);
  EXPECT_EQ(line(1), "@b;White wins!");
  EXPECT_EQ(line(2), "@wc  C3-D4 (eval 0, time 0.01s, depth 3)");
  EXPECT_EQ(line(3), "@b;New game start.");
}

TEST_F(Log, DebugMessagesAreNotShown) {
  log->post(MsgDebug, "Game will be deleted.");
  EXPECT_EQ(browser->size(), 0);
}

TEST_F(Log, AfterSixtyMessagesTheFortyNineNewestAndAnEllipsisRemain) {
  const Move b6a5 = moveNamed(Position(InitialPosition.white, InitialPosition.black, 0, false), "B6-A5");
  for (int i = 0; i < 60; ++i) {
    SearchFigures figures;
    figures.eval = i * ScoreMan;
    log->post(moveLine(LineTopic::SearchedMove, false, b6a5, figures));
  }
  ASSERT_EQ(browser->size(), 50);
  EXPECT_EQ(line(1), "@bc  B6-A5 (eval 59, time 0.00s, depth 0)");
  EXPECT_EQ(line(49), "@bc  B6-A5 (eval 11, time 0.00s, depth 0)");
  EXPECT_EQ(line(50), "...");
}

TEST_F(Log, OverlongMessagesAreCut) {
  const std::string text(3000, 'x');
  log->post(MsgEvent, text.c_str());
  EXPECT_EQ(line(1).size(), 1023u);
}

}  // namespace
