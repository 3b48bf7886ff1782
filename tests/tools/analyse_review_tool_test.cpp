// The engine tool's analyse and review commands: their lines for scripts, their one-line
// errors, and an annotated game that opens with its marks.
#include <gtest/gtest.h>
#include <fstream>
#include <regex>
#include <sstream>
#include "pdn/pdn_reader.h"
#include "search/review_record.h"
#include "tests/tools/engine_tool_run.h"
#include "tests/support/scratch_directory.h"

namespace {

std::string readFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

TEST(AnalyseTool, PrintsRankEvaluationDepthAndMovesOneLineEach) {
  const CommandResult r = tool("analyse --depth 6");
  ASSERT_EQ(r.status, 0) << r.err;
  const auto printed = lines(r.out);
  ASSERT_EQ(printed.size(), 3u) << r.out;
  const std::regex line(R"(([123]) ([+-]\d+\.\d\d|0\.00) 6 ([a-h][1-8][-x][a-h][1-8])( [a-h][1-8][-x][a-h][1-8](x[a-h][1-8])*)*)");
  for (size_t i = 0; i < printed.size(); ++i) {
    std::smatch m;
    ASSERT_TRUE(std::regex_match(printed[i], m, line)) << printed[i];
    EXPECT_EQ(m[1].str(), std::to_string(i + 1));
  }
  // Two legal moves give two lines; a king against a lone man wins, proven by the search alone.
  EXPECT_EQ(lines(tool("analyse --fen W:W21,29:B1,2 --depth 4 --lines 5").out).size(), 2u);
  const CommandResult won = tool("analyse --fen W:WK1:B5 --depth 9 --lines 1");
  ASSERT_EQ(won.status, 0) << won.err;
  EXPECT_TRUE(std::regex_match(won.out, std::regex("1 win in 7 9 b8-e5 a7-b6 e5-d6 b6-a5 d6-e7 a5-b4 e7xa3\n"))) << won.out;
}

TEST(AnalyseTool, BadPositionsAndOptionsAreOneLineErrors) {
  const char* rejected[] = {
      "analyse --depth 4 --fen W:Wx",  "analyse",                      "analyse --depth 4 --time 1",
      "analyse --depth 0",             "analyse --depth 61",           "analyse --time 0",
      "analyse --time -1",             "analyse --time abc",           "analyse --depth 4 --lines 0",
      "analyse --depth 4 --lines 101", "analyse --depth 4 --lines 2x", "analyse --depth 4 extra",
      "analyse --depth 4 --engine strong",
  };
  for (const char* arguments : rejected) expectRejectedWithOneLine(tool(arguments), arguments);
  const CommandResult none = tool("analyse --fen W:W5:B1,2 --depth 3");
  EXPECT_EQ(none.status, 0);
  EXPECT_EQ(none.out, "no legal move\n");
}

TEST(ReviewTool, MarksTheGiftAndWritesItsMarksBesideTheFilesOwnNotes) {
  ScratchDirectory scratch;
  const std::string game = scratch.path + "/game.pdn", out = scratch.path + "/reviewed.pdn";
  std::ofstream(game) << "[Event \"x\"]\n[SetUp \"1\"]\n[FEN \"B:W19,22,24,25,26,27,28,29,31,32:B1,2,3,4,6,8,9,10,11,12\"]\n\n"
                         "1... h6-g5 {my own note} 2. f4xh6 b6-a5 *\n";
  const CommandResult r = tool("review " + game + " --time 0.3 --out " + out);
  ASSERT_EQ(r.status, 0) << r.err;
  const auto printed = lines(r.out);
  ASSERT_GE(printed.size(), 3u) << r.out;
  EXPECT_TRUE(std::regex_match(printed[0], std::regex(R"(1\.\.\. h6-g5 (\?|\?\?) \+\d\.\d\d best [a-h][1-8]-[a-h][1-8])")))
      << printed[0];
  EXPECT_TRUE(std::regex_match(printed[printed.size() - 2], std::regex(R"(White: 0 \?!, 0 \?, 0 \?\?, average loss 0\.00 over 1 moves)")))
      << r.out;
  EXPECT_TRUE(std::regex_match(printed.back(), std::regex(R"(Black: \d+ \?!, \d+ \?, \d+ \?\?, average loss \d+\.\d\d over 2 moves)")))
      << r.out;
  const std::string annotated = readFile(out);
  EXPECT_TRUE(std::regex_search(annotated, std::regex(R"(h6-g5 \$[24] \{[+-]\d+\.\d\d best [a-h][1-8]-[a-h][1-8]\} \{my own note\})"))) << annotated;
  EXPECT_TRUE(std::regex_search(annotated, std::regex(R"(f4xh6 \{[+-]\d+\.\d\d best f4xh6\})"))) << annotated;

  // Opened again, the game holds its review.
  const PdnReading reading = readPdnFile(out);
  ASSERT_TRUE(reading.ok()) << reading.fault.describe();
  const GameReview back = readReview(reading.games.at(0));
  EXPECT_TRUE(back.complete);
  ASSERT_EQ(back.positions.size(), 4u);
  EXPECT_GE(back.positions[0].mark, MoveMark::Mistake);
  EXPECT_EQ(back.positions[1].mark, MoveMark::None);
}

TEST(ReviewTool, BadFilesAndOptionsAreOneLineErrorsNamingTheLine) {
  ScratchDirectory scratch;
  const std::string bad = scratch.path + "/bad.pdn";
  std::ofstream(bad) << "[Event \"x\"]\n\n1. c3-d4 f6-g5\n2. d4-c3 1-0\n";
  const CommandResult r = tool("review " + bad + " --time 0.1");
  expectRejectedWithOneLine(r, "review bad.pdn");
  EXPECT_EQ(r.err, "tarvenn-engine: " + bad + ": line 4: illegal move d4-c3\n");
  const std::string good = scratch.path + "/good.pdn";
  std::ofstream(good) << "1. c3-d4 *\n";
  const std::string rejected[] = {
      "review " + good,  "review " + good + " --time 0", "review --time 1", "review " + good + " " + good + " --time 1",
      "review " + good + " --time 1 --game 2", "review " + good + " --time 1 --game 0",
      "review " + scratch.path + "/missing.pdn --time 1", "review " + good + " --time 1 --fen W:W21:B1",
      // A file that cannot be written is refused before the review's time is spent.
      "review " + good + " --time 100 --out " + scratch.path + "/no/such/x.pdn",
      "review " + good + " --time 100 --out " + scratch.path,
  };
  for (const std::string& arguments : rejected) expectRejectedWithOneLine(tool(arguments), arguments);
}
