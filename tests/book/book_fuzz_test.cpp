// Book input of any content is read without crashing or hanging; run under the
// sanitizer build this is a deterministic fuzz of the line parser and the loader.
#include <gtest/gtest.h>
#include <fstream>
#include <random>
#include <string>
#include "engine/fen.h"
#include "tests/book/book_test_support.h"

namespace {

struct BookPly {
  Position before;
  bool whiteToMove;
  int legalMoves;
  Move move;
};

// A random legal game written in book notation; every move is the one the book
// reader finds for its two numbers, so the line can be read back exactly.
std::string randomGameLine(std::mt19937& rng, int maxPlies, std::vector<BookPly>& plies) {
  std::string line;
  Position position = InitialPosition;
  bool whiteToMove = true;
  for (int ply = 0; ply < maxPlies; ++ply) {
    const MoveList moves(position);
    const int count = moves.size();
    if (count == 0) break;
    const Move& chosen = moves[rng() % count];
    const int from = squareIndex(chosen.from), to = squareIndex(chosen.to);
    const bool capture = popCount(position.empty()) < popCount(chosen.after.empty());
    const Move move = *moves.find(from, to);
    line += std::to_string(pdnFromSquare(from)) + (capture ? "x" : "-") + std::to_string(pdnFromSquare(to)) + " ";
    plies.push_back({position, whiteToMove, count, move});
    position = move.after;
    whiteToMove = !whiteToMove;
  }
  return line;
}

char randomBookChar(std::mt19937& rng) {
  static const char Alphabet[] = "0123456789-x .\t\r123-x";
  if (rng() % 4 == 0) return (char)(1 + rng() % 255);
  return Alphabet[rng() % (sizeof Alphabet - 1)];
}

std::string mutate(std::mt19937& rng, std::string line) {
  const int edits = 1 + (int)(rng() % 6);
  for (int i = 0; i < edits; ++i) {
    const size_t at = line.empty() ? 0 : rng() % (line.size() + 1);
    switch (rng() % 4) {
      case 0: if (at < line.size()) line[at] = randomBookChar(rng); break;
      case 1: line.insert(at, 1, randomBookChar(rng)); break;
      case 2: if (at < line.size()) line.erase(at, 1 + rng() % 8); break;
      default: line.insert(at, std::string(1 + rng() % 40, (char)('0' + rng() % 10))); break;
    }
  }
  return line;
}

TEST(BookFuzz, GameLinesReadBackMoveByMove) {
  std::mt19937 rng(7);
  for (int game = 0; game < 300; ++game) {
    std::vector<BookPly> plies;
    const std::string line = randomGameLine(rng, 80, plies);
    for (bool white : {true, false}) {
      OpeningBook book;
      int expected = 0;
      for (const BookPly& ply : plies) expected += ply.whiteToMove == white && ply.legalMoves > 1;
      ASSERT_EQ(book.parseBookLine(line.c_str(), white), expected) << line;
      for (const BookPly& ply : plies) {
        const BookMoves& stored = book.findBookMoves(withSide(ply.before, ply.whiteToMove));
        const bool kept = ply.whiteToMove == white && ply.legalMoves > 1;
        EXPECT_EQ(stored.count(ply.move), kept ? 1u : 0u)
            << writeFen(withSide(ply.before, ply.whiteToMove)) << " in line " << line;
      }
    }
  }
}

TEST(BookFuzz, DamagedLinesNeverCrashAndNeverGrowTheBookTwice) {
  std::mt19937 rng(11);
  for (int round = 0; round < 100; ++round) {
    OpeningBook book;
    std::vector<std::string> lines;
    for (int i = 0; i < 20; ++i) {
      std::vector<BookPly> plies;
      lines.push_back(mutate(rng, randomGameLine(rng, 30, plies)));
    }
    for (const std::string& line : lines) book.parseBookLine(line.c_str(), rng() % 2 == 0);
    const BookCounts first = countsOf(book);
    for (const std::string& line : lines) book.parseBookLine(line.c_str(), true);
    for (const std::string& line : lines) book.parseBookLine(line.c_str(), false);
    const BookCounts again = countsOf(book);
    EXPECT_GE(again.whiteMoves, again.whitePositions);
    EXPECT_GE(again.blackMoves, again.blackPositions);
    for (const std::string& line : lines) {
      book.parseBookLine(line.c_str(), true);
      book.parseBookLine(line.c_str(), false);
    }
    EXPECT_EQ(countsOf(book), again) << "reading the same lines again adds nothing; first " << first;
  }
}

TEST(BookFuzz, FilesOfAnyBytesLoadWithoutCrashing) {
  std::mt19937 rng(13);
  const std::string path = ::testing::TempDir() + "tarvenn_fuzz.ouv";
  for (int round = 0; round < 40; ++round) {
    std::string content;
    while (content.size() < 20000) {
      std::vector<BookPly> plies;
      switch (rng() % 4) {
        case 0: content += randomGameLine(rng, 20, plies); break;
        case 1: content += mutate(rng, randomGameLine(rng, 20, plies)); break;
        case 2: content += std::string(rng() % 10000, randomBookChar(rng)); break;
        default: for (int i = rng() % 200; i > 0; --i) content += (char)(rng() % 256); break;
      }
      content += rng() % 8 ? '\n' : '\r';
    }
    std::ofstream(path, std::ios::binary) << content;
    OpeningBook book;
    book.loadBookFile(path.c_str(), true);
    book.loadBookFile(path.c_str(), false);
    const BookCounts once = countsOf(book);
    book.loadBookFile(path.c_str(), true);
    book.loadBookFile(path.c_str(), false);
    EXPECT_EQ(countsOf(book), once) << "round " << round;
  }
}

}  // namespace
