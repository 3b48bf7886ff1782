#include <FL/Fl.H>
#include <gtest/gtest.h>
#include <string>
#include "display.h"
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
  log->post(MsgEvent, "", "New game start.");
  log->postMove("@wc ", "C3-D4 (eval 0, time 0.01s, depth 3)");
  log->post(MsgResult, "", "White wins!");
  ASSERT_EQ(browser->size(), 3);
  EXPECT_EQ(line(1), "@b;White wins!");
  EXPECT_EQ(line(2), "@wc  C3-D4 (eval 0, time 0.01s, depth 3)");
  EXPECT_EQ(line(3), "@b;New game start.");
}

TEST_F(Log, DebugMessagesAreNotShown) {
  log->post(MsgDebug, "", "Game will be deleted.");
  EXPECT_EQ(browser->size(), 0);
}

TEST_F(Log, AfterSixtyMessagesTheFortyNineNewestAndAnEllipsisRemain) {
  for (int i = 0; i < 60; ++i) log->postFormatted("@bc ", "move %d", i);
  ASSERT_EQ(browser->size(), 50);
  EXPECT_EQ(line(1), "@bc  move 59");
  EXPECT_EQ(line(49), "@bc  move 11");
  EXPECT_EQ(line(50), "...");
}

TEST_F(Log, OverlongMessagesAreCut) {
  const std::string text(3000, 'x');
  log->post(MsgEvent, "", text.c_str());
  EXPECT_EQ(line(1).size(), 1023u);
}

}  // namespace
