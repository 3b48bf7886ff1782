#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include "app/database_notes.h"
#include "app/progress_text.h"
#include "enddb/database.h"

namespace {

// The text of a real computation of tables 1..n, its time masked.
std::string progressText(uint32_t n) {
  EndgameDatabase database;
  std::ostringstream out;
  ProgressText progress(out);
  EXPECT_TRUE(database.build(n, &progress));
  std::string text = out.str();
  const size_t time = text.rfind("Time: ");
  if (time != std::string::npos) text.replace(time + 6, text.size() - time - 6 - 4, "T");
  return text;
}

}  // namespace

// What -e N has always printed, byte for byte; a change breaks scripts that read it.
TEST(ProgressText, TwoPiecesPrintTheLinesOfTheDatabaseRunExactly) {
  EXPECT_EQ(progressText(2),
            "Init end game db for (pieces): 1 2 DONE\n"
            "Calc db for 1 (1) vs 1 (1):.... . .DONE\n"
            "Calc db for 1 (1) vs 1 (0):..... . .DONE\n"
            "Calc db for 1 (0) vs 1 (0):.......... . .DONE\n"
            "Time: Tsec\n");
}

TEST(ProgressText, OnePiecePrintsNoClassLine) {
  EXPECT_EQ(progressText(1), "Init end game db for (pieces): 1 DONE\nTime: Tsec\n");
}

TEST(ProgressText, ThreePiecesPrintOneLinePerClassInTheOrderSolved) {
  const std::string text = progressText(3);
  std::istringstream lines(text);
  std::vector<std::string> classes;
  for (std::string line; std::getline(lines, line);)
    if (line.rfind("Calc db for ", 0) == 0) classes.push_back(line.substr(12, line.find(':') - 12));
  EXPECT_EQ(classes, (std::vector<std::string>{"1 (1) vs 1 (1)", "1 (1) vs 1 (0)", "1 (0) vs 1 (0)", "1 (1) vs 2 (2)",
                                               "1 (1) vs 2 (1)", "1 (1) vs 2 (0)", "1 (0) vs 2 (2)", "1 (0) vs 2 (1)",
                                               "1 (0) vs 2 (0)"}));
}

TEST(DatabaseNotes, RefusalsNameTheFileWithoutItsFolderAndTheReason) {
  const RefusedFile file{4, "/home/ana/.local/share/tarvenn/enddb4.bin", "its checksum does not match"};
  EXPECT_EQ(refusalNote(file),
            "The end-game database file enddb4.bin is damaged (its checksum does not match); "
            "positions of 4 pieces are searched instead.");
  EXPECT_EQ(refusalNote({3, "enddb3.bin", "it is shorter than a complete file"}),
            "The end-game database file enddb3.bin is damaged (it is shorter than a complete file); "
            "its table is computed in memory instead.")
      << "tables of up to three pieces are always there";
  EXPECT_EQ(rebuiltNote({2, "enddb2.bin", "it is shorter than a complete file"}),
            "The end-game database file enddb2.bin was damaged (it is shorter than a complete file) "
            "and has been rebuilt.");
}
