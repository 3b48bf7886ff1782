// The book files that ship with the game: every line is played to its end.
#include <gtest/gtest.h>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include "engine/fen.h"
#include "tests/book/book_test_support.h"

namespace {

const std::string BookDir = TARVENN_BOOK_DIR;

// Plays a line written as "22-18 10-14 ..." and returns how many of its moves are legal
// in turn; `written` receives the number of moves the line holds.
int playableMoves(const std::string& line, int& written) {
  static const std::regex MoveText("([0-9]+)([-x][0-9]+)*[-x]([0-9]+)");
  std::istringstream words(line);
  std::string word;
  Position position = InitialPosition;
  int played = 0;
  written = 0;
  bool stopped = false;
  while (words >> word) {
    ++written;
    std::smatch parts;
    const MoveList moves(position);
    const Move* move = nullptr;
    if (stopped || !std::regex_match(word, parts, MoveText) || std::stoi(parts[1]) > 32 || std::stoi(parts[3]) > 32 ||
        !(move = moves.find(squareFromPdn(std::stoi(parts[1])), squareFromPdn(std::stoi(parts[3]))))) {
      stopped = true;
      continue;
    }
    ++played;
    position = move->after;
  }
  return played;
}

TEST(ShippedBook, EveryLineIsPlayedToItsLastMove) {
  for (const char* name : {"white.ouv", "black.ouv"}) {
    std::ifstream file(BookDir + "/" + name);
    ASSERT_TRUE(file) << BookDir << "/" << name;
    std::string line;
    int lineNumber = 0, lines = 0;
    while (std::getline(file, line)) {
      ++lineNumber;
      int written;
      const int played = playableMoves(line, written);
      if (written == 0) continue;
      ++lines;
      EXPECT_EQ(played, written) << name << ":" << lineNumber << ": " << line;
      EXPECT_GE(written, 8) << name << ":" << lineNumber << " is too short to be worth a book line";
    }
    EXPECT_GE(lines, 24) << name;
  }
}

TEST(ShippedBook, CoversTheOpeningMovesOfBothSides) {
  OpeningBook book;
  book.loadBookFile((BookDir + "/white.ouv").c_str(), true);
  book.loadBookFile((BookDir + "/black.ouv").c_str(), false);
  EXPECT_GE(book.findBookMoves(withSide(InitialPosition, true)).size(), 3u) << "White varies its first move";
  for (const Move& first : MoveList(InitialPosition))
    EXPECT_FALSE(book.findBookMoves(withSide(first.after, false)).empty())
        << "Black has a book reply in " << writeFen(withSide(first.after, false));
}

}  // namespace
