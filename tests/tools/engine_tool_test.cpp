#include <gtest/gtest.h>
#include <regex>
#include <string>
#include <vector>
#include "tests/tools/engine_tool_run.h"
#include "tests/support/scratch_directory.h"


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
      "unknown",                   "-x",       "perft",           "perft x",     "perft -1",
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
    for (const char* command : {"perft", "divide", "moves", "think", "play", "book", "probe", "search", "pdn", "match",
                                "tune"})
      EXPECT_NE(list.find(std::string("\n  ") + command + " "), std::string::npos) << c.arguments << ": " << command;
  }
}

TEST(EngineTool, CommandHelpNamesItsOptionsAndRunsNothing) {
  const struct {
    const char* command;
    std::vector<const char*> options;
  } cases[] = {
      {"perft", {"--fen FEN", "DEPTH"}},       {"divide", {"--fen FEN", "DEPTH"}},
      {"moves", {"--fen FEN"}},                {"think", {"--fen FEN", "--time SECONDS", "--engine LEVEL"}},
      {"play", {"--time SECONDS", "--games N", "--pdn FILE", "--engine LEVEL"}}, {"book", {"--fen FEN"}},
      {"probe", {"--fen FEN"}},                {"search", {"--fen FEN", "--depth D", "--engine LEVEL"}},
      {"pdn", {"FILE"}},
      {"match", {"--white ENGINE", "--black ENGINE", "--time SECONDS", "--games N", "--openings FILE", "--threads K"}},
      {"tune", {"--games N", "--seed S", "--depth D", "--endgame N", "--epochs N", "--l2 X", "--anchor LIST",
                "--threads K", "--out FILE"}},
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

TEST(EngineTool, BookComesFromTheWorkingFolderTheUsersDataFolderOrTheInstalledCopy) {
  // Each folder's book holds a different number of lines for White.
  const char* const Lines[] = {"22-18\n", "22-18\n21-17\n", "22-18\n21-17\n23-19\n"};
  const struct {
    const char* name;
    bool inWorkingFolder, inDataFolder, installed;
    const char* counts;  // White's positions and moves
  } cases[] = {
      {"nothing anywhere", false, false, false, "white 0 0 "},
      {"installed only", false, false, true, "white 1 3 "},
      {"the user's own and installed", false, true, true, "white 1 2 "},
      {"working folder first", true, true, true, "white 1 1 "},
  };
  for (const auto& c : cases) {
    ScratchDirectory tree;
    const std::string work = tree.path + "/work", data = tree.path + "/data", installed = tree.path + "/share";
    ASSERT_EQ(system(("mkdir -p " + work + " " + data + "/tarvenn " + installed + "/tarvenn").c_str()), 0);
    if (c.inWorkingFolder) std::ofstream(work + "/white.ouv") << Lines[0];
    if (c.inDataFolder) std::ofstream(data + "/tarvenn/white.ouv") << Lines[1];
    if (c.installed) std::ofstream(installed + "/tarvenn/white.ouv") << Lines[2];
    const CommandResult r = runCommand("cd " + work + " && XDG_DATA_HOME=" + data + " XDG_DATA_DIRS=" + installed +
                                       " " + ENGINE_TOOL + " book");
    EXPECT_EQ(r.status, 0) << c.name << ": " << r.err;
    EXPECT_EQ(r.out.rfind(c.counts, 0), 0u) << c.name << ": " << r.out;
  }
}

TEST(EngineTool, ThinkPrintsTheDecisionAsTheGameLogHoldsIt) {
  const struct {
    const char* arguments;
    const char* pattern;
  } cases[] = {
      {"think --fen W:W28,K29:B3 --time 1", R"(@wc  A1-F6 \(end db move\)\n)"},
      {"think --fen B:WK29:BK3 --time 0.2", R"(@bc  offered draw and @wc accept\.\n)"},
      {"think --fen W:WK1,14,22:B6,10,21,26 --time 5",
       R"(@wc  [A-H][1-8][-x][A-H][1-8] \(eval \d+, time \d+\.\d\ds, depth 5\)\n)"},
      {"think --fen B:WK1,14,22:B6,10,21,26 --time 0.000001",
       R"(@bc  [A-H][1-8][-x][A-H][1-8] \(eval -?\d+, time \d+\.\d\ds, depth 1 and 1/\d+ moves at depth 2\)\n)"},
  };
  for (const auto& c : cases) {
    const CommandResult r = tool(c.arguments);
    ASSERT_EQ(r.status, 0) << c.arguments << ": " << r.err;
    EXPECT_TRUE(std::regex_match(r.out, std::regex(c.pattern))) << c.arguments << ": '" << r.out << "'";
  }
}

TEST(EngineTool, ThinkAndPlayNameTheirLevelOrRejectAnUnknownOne) {
  // The level goes after the side in the lines that tell how the computer chose; classic,
  // given or not, prints the lines as they always were.
  const struct {
    const char* arguments;
    const char* out;
  } decisions[] = {
      {"think --fen W:W28,K29:B3 --time 1 --engine strong", "@wc (strong)  A1-F6 (end db move)\n"},
      {"think --engine beginner --fen W:W28,K29:B3 --time 1", "@wc (beginner)  A1-F6 (end db move)\n"},
      {"think --fen W:W28,K29:B3 --time 1 --engine classic", "@wc  A1-F6 (end db move)\n"},
      {"think --fen B:WK29:BK3 --time 0.2 --engine expert", "@bc  offered draw and @wc accept.\n"},
  };
  for (const auto& c : decisions) {
    const CommandResult r = tool(c.arguments);
    ASSERT_EQ(r.status, 0) << c.arguments << ": " << r.err;
    EXPECT_EQ(r.out, c.out) << c.arguments;
  }
  const CommandResult searched = tool("think --fen W:WK1,14,22:B6,10,21,26 --time 0.05 --engine casual");
  ASSERT_EQ(searched.status, 0) << searched.err;
  EXPECT_TRUE(std::regex_match(searched.out, std::regex(R"(@wc \(casual\)  [A-H][1-8][-x][A-H][1-8] \(eval .*\)\n)")))
      << searched.out;

  const char* bad[] = {
      "think --time 1 --engine Strong",   "think --time 1 --engine ''",         "think --time 1 --engine 3",
      "think --time 1 --engine",          "think --engine strong",              "play --time 0.01 --engine grandmaster",
      "think --time 1 --engine strong --engine expert", "play --time 0.01 --engine 'classic '",
  };
  for (const char* arguments : bad) expectRejectedWithOneLine(tool(arguments), arguments);
  const CommandResult unknown = tool("think --time 1 --engine master");
  EXPECT_NE(unknown.err.find("beginner, casual, classic, strong, expert"), std::string::npos) << unknown.err;
}
