#include <gtest/gtest.h>
#include "tests/support/run_command.h"

namespace {

CommandResult tool(const std::string& arguments) { return runCommand(std::string(ENGINE_TOOL) + " " + arguments); }

}  // namespace

TEST(EngineTool, PerftPrintsOneLinePerDepth) {
  const CommandResult r = tool("perft 3");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("depth 1 nodes 7"), std::string::npos);
  EXPECT_NE(r.out.find("depth 2 nodes 49"), std::string::npos);
  EXPECT_NE(r.out.find("depth 3 nodes 302"), std::string::npos);
}

TEST(EngineTool, DivideListsRootMovesInListOrderWithATotal) {
  const CommandResult r = tool("divide 5");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("G3-H4 ", 0), 0u);
  EXPECT_NE(r.out.find("\ntotal 7473\n"), std::string::npos);
}

TEST(EngineTool, MovesPrintsNotationAndTheNextPosition) {
  const CommandResult r = tool("moves --fen W:WK22:B17,9,18,10");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "C3xB2 B:WK25:B");
  EXPECT_NE(r.out.find("C3xC3 B:WK22:B\n"), std::string::npos);
}

TEST(EngineTool, BadInputIsOneLineAndStatusTwo) {
  const char* bad[] = {
      "",                          "unknown",  "perft",           "perft x",     "perft -1",
      "perft 2 3",                 "perft 99", "perft --fen",     "divide 0",    "moves --fen W:W33:B1",
      "moves --fen 'W:W21,21:B1'", "moves --fen W:W1:B9", "moves --fen W:W21:B29", "moves --depth 3",
      "perft --fen 'W:W:B' 1 --fen 'W:W1:B2'",
  };
  for (const char* arguments : bad) expectRejectedWithOneLine(tool(arguments), arguments);
}
