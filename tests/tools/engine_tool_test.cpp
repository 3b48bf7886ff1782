#include <gtest/gtest.h>
#include <string>
#include <vector>
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
      "unknown",                   "-x",  "perft",           "perft x",     "perft -1",
      "perft 2 3",                 "perft 99", "perft --fen",     "divide 0",    "moves --fen W:W33:B1",
      "moves --fen 'W:W21,21:B1'", "moves --fen W:W1:B9", "moves --fen W:W21:B29", "moves --depth 3",
      "perft --fen 'W:W:B' 1 --fen 'W:W1:B2'",
  };
  for (const char* arguments : bad) expectRejectedWithOneLine(tool(arguments), arguments);
}

TEST(EngineTool, WithoutACommandOrWithHelpItListsEveryCommand) {
  const struct {
    const char* arguments;
    int status;
    bool onStandardOutput;
  } cases[] = {{"", 2, false}, {"--help", 0, true}, {"-h", 0, true}};
  for (const auto& c : cases) {
    const CommandResult r = tool(c.arguments);
    EXPECT_EQ(r.status, c.status) << c.arguments;
    const std::string& list = c.onStandardOutput ? r.out : r.err;
    EXPECT_EQ((c.onStandardOutput ? r.err : r.out), "") << c.arguments;
    for (const char* command : {"perft", "divide", "moves", "think", "play", "book", "probe", "search"})
      EXPECT_NE(list.find(std::string("\n  ") + command + " "), std::string::npos) << c.arguments << ": " << command;
  }
}

TEST(EngineTool, CommandHelpNamesItsOptionsAndRunsNothing) {
  const struct {
    const char* command;
    std::vector<const char*> options;
  } cases[] = {
      {"perft", {"--fen FEN", "DEPTH"}},       {"divide", {"--fen FEN", "DEPTH"}},
      {"moves", {"--fen FEN"}},                {"think", {"--fen FEN", "--time SECONDS"}},
      {"play", {"--time SECONDS", "--games N"}}, {"book", {"--fen FEN"}},
      {"probe", {"--fen FEN"}},                {"search", {"--fen FEN", "--depth D"}},
  };
  for (const auto& c : cases) {
    // A help request wins over arguments the command would run with or reject.
    for (const std::string& words : {std::string(" --help"), std::string(" --time 5 --help"),
                                     std::string(" 99 --help")}) {
      const CommandResult r = tool(c.command + words);
      EXPECT_EQ(r.status, 0) << c.command << words;
      EXPECT_EQ(r.err, "") << c.command << words;
      EXPECT_EQ(r.out.rfind(std::string("usage: tarvenn-engine ") + c.command + " ", 0), 0u) << r.out;
      for (const char* option : c.options)
        EXPECT_NE(r.out.find(std::string("\n  ") + option), std::string::npos) << c.command << ": " << option;
    }
  }
}
