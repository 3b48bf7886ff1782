// How one book line becomes book moves.
#include <gtest/gtest.h>
#include <map>
#include "engine/fen.h"
#include "tests/book/book_test_support.h"

namespace {

struct LineCase {
  const char* rule;
  std::vector<const char*> lines;
  bool whiteFile;
  BookCounts expected;
};

BookCounts countsAfterLines(const std::vector<const char*>& lines, bool whiteFile) {
  OpeningBook book;
  for (const char* line : lines) book.parseBookLine(line, whiteFile);
  return countsOf(book);
}

Position fromFen(const char* fen, bool& whiteToMove) {
  Position position;
  std::string error;
  EXPECT_TRUE(parseFen(fen, position, error)) << fen << ": " << error;
  whiteToMove = position.whiteToMove;
  return position;
}

TEST(BookLine, StoresOnlyTheFileSidesMovesOnceEach) {
  const LineCase cases[] = {
      {"a White move goes to the White book", {"22-18"}, true, {1, 1, 0, 0}},
      {"a line without Black moves adds nothing to the Black book", {"22-18"}, false, {0, 0, 0, 0}},
      {"Black's reply goes to the Black book", {"22-18 10-14"}, false, {0, 0, 1, 1}},
      {"the opponent's moves only advance the position", {"22-18 10-14"}, true, {1, 1, 0, 0}},
      {"a repeated line adds nothing", {"22-18 10-14", "22-18 10-14"}, false, {0, 0, 1, 1}},
      {"x and - name the same move", {"22-18", "22x18"}, true, {1, 1, 0, 0}},
      {"only the first and the last number of a move count", {"22x5x18"}, true, {1, 1, 0, 0}},
      {"different moves of one position share its entry", {"22-18", "21-17", "23-18"}, true, {1, 3, 0, 0}},
      {"different positions get their own entries", {"22-18 10-14", "21-17 10-14"}, false, {0, 0, 2, 2}},
      {"blanks, tabs and carriage returns end a move", {"\t22-18\r", " 21-17 "}, true, {1, 2, 0, 0}},
      {"empty and blank lines add nothing", {"", "\r", "   ", "-", "x"}, true, {0, 0, 0, 0}},
      {"a move number runs into the next number", {"1. 22-18 10-14"}, true, {0, 0, 0, 0}},
      {"a number above 32 names no square", {"280-19", "22-274"}, true, {0, 0, 0, 0}},
      {"a long digit string names no square", {"99999999999999999999999999-18", "22-18999999999999999999"}, true,
       {0, 0, 0, 0}},
      {"a move of the side not to move is not played", {"10-14 22-18"}, true, {0, 0, 0, 0}},
      {"an unmatched move ends what the line adds", {"22-18 99-14 10-14 24-19"}, true, {1, 1, 0, 0}},
      {"a forced capture is played but not stored", {"22-18 11-15 18x11"}, true, {1, 1, 0, 0}},
      {"a choice of captures is stored", {"22-18 11-15 18x11 8x15"}, false, {0, 0, 2, 2}},
  };
  for (const LineCase& c : cases)
    EXPECT_EQ(countsAfterLines(c.lines, c.whiteFile), c.expected)
        << c.rule << " (" << (c.whiteFile ? "white" : "black") << " file, first line \"" << c.lines[0] << "\")";
}

TEST(BookLine, MovesAreStoredUnderThePositionBeforeThem) {
  OpeningBook book;
  book.parseBookLine("22-18 10-14", true);
  book.parseBookLine("22-18 10-14", false);
  bool whiteToMove;
  const Position afterC3D4 = fromFen("B:W18,21,23-32:B1-12", whiteToMove);
  EXPECT_EQ(bookMoveTexts(book, InitialPosition, true), std::vector<std::string>{"C3-D4"});
  EXPECT_EQ(bookMoveTexts(book, afterC3D4, false), std::vector<std::string>{"D6-C5"});
  // The side to move selects the map: the same squares with the other side to move are not in the book.
  EXPECT_TRUE(book.findBookMoves(withSide(InitialPosition, false)).empty());
  EXPECT_TRUE(book.findBookMoves(withSide(afterC3D4, true)).empty());
}

TEST(BookLine, ParseReportsTheMovesTheLineStores) {
  OpeningBook book;
  EXPECT_EQ(book.parseBookLine("22-18 11-15 18x11 8x15", true), 1) << "22-18; the capture 18x11 is forced";
  EXPECT_EQ(book.parseBookLine("22-18 11-15 18x11 8x15", false), 2) << "11-15 and the choice 8x15";
  EXPECT_EQ(book.parseBookLine("22-18 11-15 18x11 8x15", false), 2) << "a repeated line stores the same moves";
}

TEST(BookMoves, AreListedInTheOrderOfThePositionTheyLeadTo) {
  OpeningBook book;
  for (const char* line : {"24-20", "21-17", "23-19", "22-18"}) book.parseBookLine(line, true);
  const std::vector<std::string> expected = {"A3-B4", "C3-D4", "E3-F4", "G3-H4"};
  EXPECT_EQ(bookMoveTexts(book, InitialPosition, true), expected);
}

TEST(BookPick, TheSameSeedPicksTheSameMovesAndTheSeedsReachEveryAlternative) {
  OpeningBook book;
  for (const char* line : {"22-18", "21-17", "23-19"}) book.parseBookLine(line, true);
  const BookMoves& moves = book.findBookMoves(withSide(InitialPosition, true));
  ASSERT_EQ(moves.size(), 3u);
  std::map<SquareSet, int> picks;
  for (unsigned seed = 1; seed <= 50; ++seed) {
    std::mt19937 first(seed), second(seed);
    for (int draw = 0; draw < 4; ++draw) {
      const Move* move = book.pickBookMove(withSide(InitialPosition, true), first);
      ASSERT_NE(move, nullptr);
      EXPECT_EQ(moves.count(*move), 1u) << "seed " << seed << ": the pick is a book move";
      EXPECT_EQ(book.pickBookMove(withSide(InitialPosition, true), second), move) << "seed " << seed << " draw " << draw;
      ++picks[move->after.white];
    }
  }
  ASSERT_EQ(picks.size(), 3u) << "every book move is picked for some seed";
  for (const auto& pick : picks) EXPECT_GT(pick.second, 200 / 3 / 2) << "each is picked about a third of the time";
}

TEST(BookPick, GivesNoMoveOutsideTheBook) {
  OpeningBook book;
  book.parseBookLine("22-18 10-14", true);
  bool whiteToMove;
  const Position afterC3D4 = fromFen("B:W18,21,23-32:B1-12", whiteToMove);
  std::mt19937 random(1), untouched(1);
  EXPECT_EQ(book.pickBookMove(withSide(afterC3D4, false), random), nullptr) << "B:W18,21,23-32:B1-12";
  EXPECT_EQ(book.pickBookMove(withSide(InitialPosition, false), random), nullptr) << "initial position, Black to move";
  EXPECT_EQ(random, untouched) << "a position outside the book draws no number";
}

}  // namespace
