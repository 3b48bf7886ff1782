#include <gtest/gtest.h>
#include <string>
#include "tests/game/fakes.h"
#include "ui/game_markup.h"

namespace {

TEST(LogMarkup, EventsAndResultsAreBoldErrorsRedMovesAndOffersPlainAfterTheirPiece) {
  const Move c3d4 = moveNamed(InitialPosition, "C3-D4");
  SearchFigures searched;
  searched.eval = -4 * ScoreMan;
  searched.seconds = 0.5;
  searched.depth = 9;
  struct Case {
    LogLine line;
    const char* markup;
  };
  const Case cases[] = {
      {textLine(MsgEvent, "Game was canceled."), "@b;Game was canceled."},
      {textLine(MsgResult, "Game draw."), "@b;Game draw."},
      {textLine(MsgError, "lost"), "@C0xff000000;lost"},
      {moveLine(LineTopic::SearchedMove, true, c3d4, searched), "@wc  C3-D4 (eval -4, time 0.50s, depth 9)"},
      {moveLine(LineTopic::ForcedMove, false, c3d4), "@bc  C3-D4 - forced move"},
      {drawOfferLine(false, false), "@bc  offered draw but @wc refused."},
      {drawOfferLine(true, true), "@wc  offered draw and @bc accept."},
  };
  for (const Case& c : cases) EXPECT_EQ(logLineMarkup(c.line), c.markup);
}

TEST(HistoryRows, BestRepliesAreGreenAndTheIconIsTheMovingSide) {
  struct Case {
    bool whiteMoved;
    uint8_t flags;
    Fl_Color colour;
  };
  const Case cases[] = {
      {true, 0, FL_BLACK},
      {false, evaluatedBit, FL_BLACK},
      {true, evaluatedBit | bestBit, BestReplyColour},
      {false, evaluatedBit | bestBit | openedBit, BestReplyColour},
  };
  HistoryEntry entry;
  entry.move = moveNamed(InitialPosition, "C3-D4");
  entry.depth = 11;
  entry.evaluation = 3;
  for (const Case& c : cases) {
    entry.flags = c.flags;
    entry.move.after.whiteToMove = !c.whiteMoved;
    const HistoryRow row = historyRow(entry, FL_BLACK);
    EXPECT_EQ(row.white, c.whiteMoved) << "flags " << int(c.flags);
    EXPECT_EQ(row.colour, c.colour) << "flags " << int(c.flags);
    EXPECT_EQ(row.words, (c.flags & evaluatedBit) ? "C3-D4 (evaluation: 3)" : "C3-D4 (lose)");
  }
  EXPECT_EQ(BestReplyColour, Fl_Color(2)) << "the green the history has always used";
}

}  // namespace

namespace {

TEST(HistoryRows, AReviewedMoveShowsItsMarkAndTheBestMoveAndSideLinesAreBlue) {
  struct Case {
    std::vector<std::string> notes;
    const char* words;
  } cases[] = {
      {{"$4", "{-1.20 best c3-b4}"}, "C3-D4 ?? best c3-b4"},
      {{"$6", "{[%clk 0:04:57.3] +0.10 best g3-h4}"}, "C3-D4 ?! best g3-h4"},
      {{"{+0.05 best c3-d4}"}, "C3-D4"},  // reviewed and not marked
      {{"$4"}, "C3-D4"},                   // a NAG of the file's own, no review
      {{"{just a comment}"}, "C3-D4"},
  };
  for (const Case& c : cases) {
    HistoryEntry entry;
    entry.move = moveNamed(InitialPosition, "C3-D4");
    entry.notes = c.notes;
    EXPECT_EQ(historyRow(entry, FL_BLACK).words, c.words) << c.notes[0];
  }
  RecordLine line;
  for (const char* move : {"C3-D4", "F6-G5"}) {
    line.push_back(std::make_unique<HistoryEntry>());
    const Position from = line.size() == 1 ? InitialPosition : line[0]->move.after;
    line.back()->move = moveNamed(from, move);
  }
  const HistoryRow side = sideLineRow(line);
  EXPECT_EQ(side.words, "( C3-D4 F6-G5 )");
  EXPECT_EQ(side.colour, SideLineColour);
  EXPECT_NE(side.colour, BestReplyColour);
  EXPECT_TRUE(side.white);
}

}  // namespace
