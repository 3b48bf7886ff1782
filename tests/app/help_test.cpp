#include <gtest/gtest.h>
#include <cstdlib>
#include <string>
#include "tests/support/run_command.h"

namespace {

const std::string Program = TARVENN_BINARY;

}  // namespace

TEST(Help, HelpAndVersionPrintOnStandardOutputAndSucceed) {
  const std::string dataHome = std::getenv("XDG_DATA_HOME");
  for (const char* option : {"--help", "-h", "--help -e 5", "-h --version"}) {
    const CommandResult r = runCommand(Program + " " + option);
    EXPECT_EQ(r.status, 0) << option;
    EXPECT_EQ(r.err, "") << option;
    EXPECT_EQ(r.out.rfind("Usage: tarvenn ", 0), 0u) << option << ": " << r.out;
    for (const std::string& part : {std::string("-e N, --enddbgen N"), std::string("white.ouv"),
                                    std::string("enddb1.bin"), dataHome + "/tarvenn\n"})
      EXPECT_NE(r.out.find(part), std::string::npos) << option << " names " << part << ":\n" << r.out;
  }
  const CommandResult version = runCommand(Program + " --version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "tarvenn 0.8\n");
}

TEST(Help, NearMissesKeepTheUnrecognizedParameterMessage) {
  for (const char* option : {"-help", "--Help", "-H", "--version=1", "-v", "help"}) {
    const CommandResult r = runCommand(Program + " " + option);
    EXPECT_EQ(r.status, 1) << option;
    EXPECT_EQ(r.err, std::string("Unrecognized parameter 1: ") + option + "\n");
    EXPECT_EQ(r.out, "") << option;
  }
}

TEST(Help, HelpMakesNoDataFolder) {
  const std::string dataHome = std::getenv("XDG_DATA_HOME");
  runCommand("cd / && " + Program + " --help");
  EXPECT_NE(system(("test -e '" + dataHome + "/tarvenn'").c_str()), 0);
}
