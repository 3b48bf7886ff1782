#include <gtest/gtest.h>
#include <vector>
#include "app/command_line.h"
#include "tests/support/run_command.h"

namespace {

CommandLine read(std::vector<const char*> words) {
  words.insert(words.begin(), "tarvenn");
  return readCommandLine((int)words.size(), const_cast<char**>(words.data()));
}

}  // namespace

TEST(CommandLine, NoArgumentStartsTheGame) { EXPECT_EQ(read({}).kind, CommandLine::Interactive); }

TEST(CommandLine, DatabaseRunTakesALeadingNumberFromOneToFive) {
  const struct {
    std::vector<const char*> words;
    int pieces;
  } cases[] = {
      {{"-e", "5"}, 5}, {{"--enddbgen", "1"}, 1}, {{"-e", "3abc"}, 3}, {{"-e", "  2"}, 2}, {{"-e", "3", "more"}, 3},
  };
  for (const auto& c : cases) {
    const CommandLine line = read(c.words);
    EXPECT_EQ(line.kind, CommandLine::Database) << c.words[1];
    EXPECT_EQ(line.pieces, c.pieces) << c.words[1];
  }
}

TEST(CommandLine, ErrorsAreTheThreeMessages) {
  const struct {
    std::vector<const char*> words;
    const char* message;
  } cases[] = {
      {{"-x"}, "Unrecognized parameter 1: -x"},
      {{"-e3"}, "Unrecognized parameter 1: -e3"},
      {{"--enddbgen=3"}, "Unrecognized parameter 1: --enddbgen=3"},
      {{"-e"}, "After parameter 1(-e) end db size required (1 to 5)."},
      {{"-e", "x"}, "After parameter 1(-e) end db size required (1 to 5)."},
      {{"--enddbgen"}, "After parameter 1(--enddbgen) end db size required (1 to 5)."},
      {{"-e", "+3"}, "After parameter 1(-e) end db size required (1 to 5)."},
      {{"-e", "-3"}, "After parameter 1(-e) end db size required (1 to 5)."},
      {{"-e", ""}, "After parameter 1(-e) end db size required (1 to 5)."},
      {{"-e", "0"}, "End db size should be from 1 to 5."},
      {{"-e", "6"}, "End db size should be from 1 to 5."},
      {{"-e", "99999999999999999999999"}, "End db size should be from 1 to 5."},
  };
  for (const auto& c : cases) {
    const CommandLine line = read(c.words);
    EXPECT_EQ(line.kind, CommandLine::Error) << c.message;
    EXPECT_EQ(line.message, c.message);
  }
}

TEST(CommandLine, ErrorsEndTheProgramWithStatusOneAndOneLine) {
  const CommandResult result = runCommand(std::string(TARVENN_BINARY) + " -e 6");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "End db size should be from 1 to 5.\n");
  EXPECT_EQ(result.out, "");
}
