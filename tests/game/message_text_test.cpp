#include <gtest/gtest.h>
#include <string>
#include "fakes.h"
#include "game/message_text.h"

namespace {

const SideNames Symbols{"@wc", "@bc"};

// Figures of the material count, with `eval` in whole men.
SearchFigures figures(int eval, double seconds, int depth, int movesAtNextDepth = -1, int rootMoves = 0) {
  SearchFigures f;
  f.eval = eval * ScoreMan;
  f.seconds = seconds;
  f.depth = depth;
  f.partial = movesAtNextDepth >= 0;
  f.movesAtNextDepth = movesAtNextDepth < 0 ? 0 : movesAtNextDepth;
  f.rootMoves = rootMoves;
  return f;
}

TEST(LogLineText, EachKindOfLineReadsAsTheLogShowsIt) {
  const Move c3d4 = moveNamed(InitialPosition, "C3-D4");
  const Move b6a5 = moveNamed(Position(InitialPosition.white, InitialPosition.black, 0, false), "B6-A5");
  const Move capture = moveNamed(setupFromFen("W:W22:B18").position, "C3xE5");
  struct Case {
    LogLine line;
    const char* text;
  };
  const Case cases[] = {
      {textLine(MsgEvent, "New game start."), "New game start."},
      {textLine(MsgResult, "Black wins!"), "Black wins!"},
      {moveLine(LineTopic::ForcedMove, true, capture), "@wc  C3xE5 - forced move"},
      {moveLine(LineTopic::BookMove, true, c3d4), "@wc  C3-D4 (opening book move)"},
      {moveLine(LineTopic::DatabaseMove, false, b6a5), "@bc  B6-A5 (end db move)"},
      {moveLine(LineTopic::SearchedMove, true, c3d4, figures(0, 1.02, 13)),
       "@wc  C3-D4 (eval 0, time 1.02s, depth 13)"},
      {moveLine(LineTopic::SearchedMove, false, b6a5, figures(-125, 0.004, 5)),
       "@bc  B6-A5 (eval -125, time 0.00s, depth 5)"},
      {moveLine(LineTopic::SearchedMove, true, c3d4, figures(7, 5.0449, 15, 3, 7)),
       "@wc  C3-D4 (eval 7, time 5.04s, depth 15 and 3/7 moves at depth 16)"},
      {moveLine(LineTopic::SearchedMove, false, b6a5, figures(-3, 30, 1, 0, 9)),
       "@bc  B6-A5 (eval -3, time 30.00s, depth 1 and 0/9 moves at depth 2)"},
      {drawOfferLine(true, false), "@wc  offered draw but @bc refused."},
      {drawOfferLine(false, false), "@bc  offered draw but @wc refused."},
      {drawOfferLine(true, true), "@wc  offered draw and @bc accept."},
      {drawOfferLine(false, true), "@bc  offered draw and @wc accept."},
  };
  for (const Case& c : cases) EXPECT_EQ(lineText(c.line, Symbols), c.text);
}

LogLine atLevel(LogLine line, const char* level) {
  line.level = level;
  return line;
}

TEST(LogLineText, OnlyTheComputersDecisionLinesNameALevelOtherThanClassic) {
  const Move c3d4 = moveNamed(InitialPosition, "C3-D4");
  const Move b6a5 = moveNamed(Position(InitialPosition.white, InitialPosition.black, 0, false), "B6-A5");
  struct Case {
    LogLine line;
    const char* text;
  };
  const Case cases[] = {
      {atLevel(moveLine(LineTopic::BookMove, true, c3d4), "strong"), "@wc (strong)  C3-D4 (opening book move)"},
      {atLevel(moveLine(LineTopic::DatabaseMove, false, b6a5), "expert"), "@bc (expert)  B6-A5 (end db move)"},
      {atLevel(moveLine(LineTopic::SearchedMove, true, c3d4, figures(7, 5.0449, 15, 3, 7)), "beginner"),
       "@wc (beginner)  C3-D4 (eval 7, time 5.04s, depth 15 and 3/7 moves at depth 16)"},
      {atLevel(moveLine(LineTopic::SearchedMove, false, b6a5, figures(-3, 0.1, 4)), "casual"),
       "@bc (casual)  B6-A5 (eval -3, time 0.10s, depth 4)"},
      // Classic leaves the level empty: its lines read as they always did.
      {atLevel(moveLine(LineTopic::SearchedMove, true, c3d4, figures(0, 1.02, 13)), ""),
       "@wc  C3-D4 (eval 0, time 1.02s, depth 13)"},
      {atLevel(moveLine(LineTopic::BookMove, false, b6a5), ""), "@bc  B6-A5 (opening book move)"},
      // The game plays forced moves itself, and offers, resignations and texts are no choice of a level.
      {atLevel(moveLine(LineTopic::ForcedMove, true, c3d4), "strong"), "@wc  C3-D4 - forced move"},
      {atLevel(drawOfferLine(false, true), "expert"), "@bc  offered draw and @wc accept."},
      {atLevel(resignationLine(true), "strong"), "@wc  resigned."},
      {atLevel(textLine(MsgEvent, "New game start."), "strong"), "New game start."},
  };
  for (const Case& c : cases) EXPECT_EQ(lineText(c.line, Symbols), c.text);
  // The words after the side stay the same at every level.
  EXPECT_EQ(lineWords(atLevel(moveLine(LineTopic::BookMove, true, c3d4), "strong"), Symbols),
            "C3-D4 (opening book move)");
}

// Every search value is in hundredths of a man; the material count's lines show whole men as
// they always have, its proven result as 120 rather than a word.
TEST(LogLineText, MaterialValuesReadAsWholeMenAndTheirProvenResultAsOneHundredAndTwenty) {
  struct Case {
    int eval;
    const char* text;
  };
  const Case cases[] = {{0, "0"}, {-500, "-5"}, {300, "3"}, {12000, "120"}, {-12000, "-120"}};
  for (const Case& c : cases) EXPECT_EQ(evaluationText(c.eval, Evaluation::Material), c.text) << c.eval;
}

// The positional engine counts in hundredths of a man; the sign must survive values under one man.
TEST(LogLineText, PositionalValuesReadAsMenWithTwoDecimalsAndProvenResultsAsWords) {
  struct Case {
    int eval;
    const char* text;
  };
  const Case cases[] = {{0, "0.00"},    {5, "0.05"},       {-5, "-0.05"},   {-100, "-1.00"},  {1234, "12.34"},
                        {9999, "99.99"}, {10000, "win"}, {29000, "win"}, {-10000, "loss"}, {-30000, "loss"}};
  for (const Case& c : cases) EXPECT_EQ(evaluationText(c.eval, Evaluation::Positional), c.text) << c.eval;
  SearchFigures positional = figures(0, 0.1, 12);
  positional.eval = -40;
  positional.evaluation = Evaluation::Positional;
  const Move c3d4 = moveNamed(InitialPosition, "C3-D4");
  EXPECT_EQ(lineText(atLevel(moveLine(LineTopic::SearchedMove, true, c3d4, positional), "strong"), Symbols),
            "@wc (strong)  C3-D4 (eval -0.40, time 0.10s, depth 12)");
}

TEST(LogLineText, SidesAreNamedAsTheCallerNamesThem) {
  const SideNames words{"White", "Black"};
  EXPECT_EQ(lineText(drawOfferLine(false, false), words), "Black  offered draw but White refused.");
  EXPECT_EQ(lineWords(drawOfferLine(true, true), words), "offered draw and Black accept.");
  EXPECT_EQ(lineWords(textLine(MsgEvent, "Game was canceled."), words), "Game was canceled.");
}

// Take back and replay count whole moves: a White and a Black move are one, a lone ply one too.
TEST(MoveCountText, CountsWholeMovesWithTheSingularForOne) {
  struct Case {
    int plies;
    const char* takeBack;
    const char* replay;
  };
  const Case cases[] = {{1, "Took back 1 move.", "Replayed 1 move."},
                        {2, "Took back 1 move.", "Replayed 1 move."},
                        {3, "Took back 2 moves.", "Replayed 2 moves."},
                        {4, "Took back 2 moves.", "Replayed 2 moves."},
                        {21, "Took back 11 moves.", "Replayed 11 moves."}};
  for (const Case& c : cases) {
    EXPECT_EQ(takeBackText(c.plies), c.takeBack) << c.plies << " plies";
    EXPECT_EQ(replayText(c.plies), c.replay) << c.plies << " plies";
  }
  EXPECT_EQ(movesText(0), "0 moves");
  EXPECT_EQ(movesText(1), "1 move");
  EXPECT_EQ(movesText(2), "2 moves");
  EXPECT_EQ(wholeMoves(0), 0);
}

// The status line names the side to move, which is the one that offers.
TEST(DrawQuestionText, NamesTheOfferingSideAndTheSideAsked) {
  EXPECT_EQ(drawQuestionText(true), "White offers a draw. Does Black accept?");
  EXPECT_EQ(drawQuestionText(false), "Black offers a draw. Does White accept?");
}

}  // namespace
