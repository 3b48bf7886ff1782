// Reading the book files: missing, empty, long and oddly ended files.
#include <gtest/gtest.h>
#include <fstream>
#include <string>
#include "tests/book/book_test_support.h"

namespace {

std::string writeFile(const std::string& name, const std::string& content) {
  const std::string path = ::testing::TempDir() + name;
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

BookCounts countsAfterLoading(const std::string& content) {
  OpeningBook book;
  book.loadBookFile(writeFile("tarvenn_book_test.ouv", content).c_str(), true);
  return countsOf(book);
}

TEST(BookFile, ReadsLinesUpToTheFirstOverlongOne) {
  const std::string longest = "22-18" + std::string(8186, ' ');  // 8,191 characters: still a line
  const std::string overlong = "23-19" + std::string(8187, ' ');
  struct {
    const char* rule;
    std::string content;
    BookCounts expected;
  } const cases[] = {
      {"an empty file adds nothing", "", {0, 0, 0, 0}},
      {"empty lines add nothing", "\n\n\r\n\n", {0, 0, 0, 0}},
      {"the last line needs no newline", "22-18\n21-17", {1, 2, 0, 0}},
      {"carriage returns end moves", "22-18\r\n21-17\r\n", {1, 2, 0, 0}},
      {"a line of 8,191 characters is read", longest + "\n21-17\n", {1, 2, 0, 0}},
      {"a line of 8,192 characters ends the file", "21-17\n" + overlong + "\n22-18\n", {1, 1, 0, 0}},
      {"a zero byte ends its line only", std::string("22-18\0 21-17\n24-20\n", 19), {1, 2, 0, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(countsAfterLoading(c.content), c.expected) << c.rule;
}

TEST(BookFile, MissingOrUnreadableFilesLeaveTheBookEmpty) {
  OpeningBook book;
  book.loadBookFile((::testing::TempDir() + "no_such_book.ouv").c_str(), true);
  book.loadBookFile(::testing::TempDir().c_str(), false);  // a folder, not a file
  EXPECT_EQ(countsOf(book), (BookCounts{0, 0, 0, 0}));
}

TEST(BookFile, EachFileFillsItsOwnSide) {
  OpeningBook book;
  const std::string line = "22-18 10-14 24-19\n";
  book.loadBookFile(writeFile("tarvenn_white.ouv", line).c_str(), true);
  book.loadBookFile(writeFile("tarvenn_black.ouv", line).c_str(), false);
  EXPECT_EQ(countsOf(book), (BookCounts{2, 2, 1, 1})) << line;
}

}  // namespace
