// The engine tool's pdn command and the play command's --pdn option.
#include <gtest/gtest.h>
#include <fstream>
#include <regex>
#include "tests/tools/engine_tool_run.h"
#include "tests/support/scratch_directory.h"

namespace {

TEST(PdnTool, PrintsOneLinePerGame) {
  ScratchDirectory scratch;
  const std::string path = scratch.path + "/games.pdn";
  std::ofstream(path) << "[White \"Ann \\\"A\\\"\"]\n[Black \"Bo\"]\n[Result \"1-0\"]\n\n1. c3-d4 f6-g5 1-0\n\n"
                         "[FEN \"B:W21:B1\"]\n[Result \"*\"]\n1... b8-a7 *\n";
  const CommandResult r = tool("pdn " + path);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "White \"Ann \\\"A\\\"\" Black \"Bo\" Result \"1-0\" moves 2 "
            "FEN W:W18,21,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,12,16\n"
            "White \"?\" Black \"?\" Result \"*\" moves 1 FEN W:W21:B5\n");
}

TEST(PdnTool, FaultsAreOneLineWithTheirLineNumber) {
  ScratchDirectory scratch;
  const std::string bad = scratch.path + "/bad.pdn";
  std::ofstream(bad) << "[Event \"x\"]\n\n1. c3-d4 f6-g5\n2. d4-c3 1-0\n";
  const CommandResult r = tool("pdn " + bad);
  expectRejectedWithOneLine(r, "pdn bad.pdn");
  EXPECT_EQ(r.err, "tarvenn-engine: " + bad + ": line 4: illegal move d4-c3\n");
  const char* rejected[] = {"pdn", "pdn a.pdn b.pdn", "pdn --fen W:W21:B1 a.pdn", "pdn --depth 3 a.pdn"};
  for (const char* arguments : rejected) expectRejectedWithOneLine(tool(arguments), arguments);
  expectRejectedWithOneLine(tool("pdn " + scratch.path + "/missing.pdn"), "missing file");
  expectRejectedWithOneLine(tool("pdn " + scratch.path), "a folder");
  expectRejectedWithOneLine(tool("pdn " + std::string(ENGINE_TOOL)), "a binary file");
}

// Each game's summary line from play matches what pdn reads back from the file.
TEST(PdnTool, PlayAppendsEveryGameItPlays) {
  ScratchDirectory scratch;
  const std::string file = scratch.path + "/played.pdn";
  const std::string play = "cd " + scratch.path + " && " + ENGINE_TOOL + " play --time 0.01 --pdn " + file;
  const CommandResult first = runCommand(play + " --games 2");
  ASSERT_EQ(first.status, 0) << first.err;
  const CommandResult second = runCommand(play);
  ASSERT_EQ(second.status, 0) << second.err;
  std::vector<std::string> summaries;
  const std::regex summary("result (white-wins|black-wins|draw) plies ([0-9]+)");
  for (const std::string& line : lines(first.out + second.out))
    if (std::regex_match(line, summary)) summaries.push_back(line);
  ASSERT_EQ(summaries.size(), 3u) << first.out << second.out;

  const CommandResult read = tool("pdn " + file);
  ASSERT_EQ(read.status, 0) << read.err;
  const std::vector<std::string> games = lines(read.out);
  ASSERT_EQ(games.size(), 3u) << read.out;
  const std::regex game("White \"computer\" Black \"computer\" Result \"(1-0|0-1|1/2-1/2)\" moves ([0-9]+) FEN .*");
  for (size_t i = 0; i < games.size(); ++i) {
    std::smatch s, g;
    ASSERT_TRUE(std::regex_match(summaries[i], s, summary)) << summaries[i];
    ASSERT_TRUE(std::regex_match(games[i], g, game)) << games[i];
    const std::string result = s[1] == "white-wins" ? "1-0" : s[1] == "black-wins" ? "0-1" : "1/2-1/2";
    EXPECT_EQ(g[1], result) << games[i];
    EXPECT_EQ(g[2], s[2]) << games[i];
  }
}

TEST(PdnTool, PlayRefusesAFileItCannotWriteBeforePlaying) {
  ScratchDirectory scratch;
  const char* bad[] = {"--pdn", "--pdn ''"};
  for (const char* option : bad) expectRejectedWithOneLine(tool(std::string("play --time 0.01 ") + option), option);
  expectRejectedWithOneLine(tool("play --time 0.01 --pdn " + scratch.path), "a folder");
  expectRejectedWithOneLine(tool("play --time 0.01 --pdn " + scratch.path + "/no/such/folder.pdn"), "no folder");
}

}  // namespace
