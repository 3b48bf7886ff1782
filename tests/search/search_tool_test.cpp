#include <gtest/gtest.h>
#include <regex>
#include "tests/support/run_command.h"

namespace {

CommandResult tool(const std::string& arguments) { return runCommand(std::string(ENGINE_TOOL) + " " + arguments); }

}  // namespace

TEST(SearchTool, PrintsScoreNodesAndTimeOfTheSideToMove) {
  const struct {
    const char* arguments;
    const char* score;
  } cases[] = {
      {"search --depth 6", "0"},
      {"search --fen W:W29:B25,22 --depth 3", "-120"},             // no move
      {"search --fen B:W21,22,23:B1 --depth 2", "-2"},             // a man against three
      {"search --depth 2 --fen B:W25:BK29", "120"},                // won in the database
  };
  for (const auto& c : cases) {
    const CommandResult r = tool(c.arguments);
    ASSERT_EQ(r.status, 0) << c.arguments << ": " << r.err;
    std::smatch match;
    ASSERT_TRUE(std::regex_match(r.out, match, std::regex("score (-?\\d+) nodes (\\d+) time (\\d+\\.\\d{3})\n")))
        << c.arguments << ": " << r.out;
    EXPECT_EQ(match[1].str(), c.score) << c.arguments;
  }
}

TEST(SearchTool, BadInputIsOneLineAndStatusTwo) {
  const char* bad[] = {"search",         "search --depth 0",  "search --depth 63", "search --depth x",
                       "search --depth", "search --depth 3 4", "search --depth 3 --time 1",
                       "search --fen W:W33:B1 --depth 3"};
  for (const char* arguments : bad) expectRejectedWithOneLine(tool(arguments), arguments);
}
