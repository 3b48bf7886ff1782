#include <FL/Fl.H>
#include <gtest/gtest.h>
#include <string>
#include "display.h"
#include "tests/game/fakes.h"
#include "game/message_text.h"
#include "ui/browser_log.h"
#include "ui/game_markup.h"
#include "ui/markup.h"

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

TEST_F(Log, ALineWiderThanTheLogIsGivenWholeForItsTooltipAndAShortOneIsNot) {
  SearchFigures figures;
  figures.seconds = 12.5;
  figures.depth = 17;
  const Move c3d4 = moveNamed(InitialPosition, "C3-D4");
  const std::string line = lineText(moveLine(LineTopic::SearchedMove, true, c3d4, figures), {"\u25cb", "\u25cf"});
  log->post(moveLine(LineTopic::SearchedMove, true, c3d4, figures));
  log->post(MsgEvent, "New game start.");
  const int rowHeight = browser->textsize() + 4;
  EXPECT_EQ(browser->cutLineAt(3), "") << "a line that fits has no tooltip";
  EXPECT_EQ(browser->cutLineAt(3 + rowHeight), "") << "at 400 pixels the move line fits";
  browser->size(180, 100);
  EXPECT_EQ(browser->cutLineAt(3), "") << "New game start. still fits";
  EXPECT_EQ(browser->cutLineAt(3 + rowHeight), line) << "the whole line, its piece symbol as a character";
  EXPECT_EQ(browser->cutLineAt(90), "") << "below the last line";
}

TEST(MarkupWords, CommandsGoSymbolsBecomeWordsAndEscapesAreUndone) {
  auto symbol = [](const std::string& name) { return name == "wc" ? std::string("(w)") : std::string(); };
  const struct {
    const char* markup;
    const char* words;
  } cases[] = {{"@b;White wins!", "White wins!"},
               {"@wc  C3-D4 (eval 0)", "(w)  C3-D4 (eval 0)"},
               {"@C1;red@n plain", "red plain"},
               {"mail@@host && &Quit", "mail@host & Quit"},
               {"@UpArrow@wc", "(w)"},
               {"ends with @", "ends with "}};
  for (const auto& c : cases) EXPECT_EQ(markupWords(c.markup, symbol), c.words) << c.markup;
}

}  // namespace
