#include <gtest/gtest.h>
#include <fstream>
#include <sstream>
#include <string>
#include "tests/support/run_command.h"
#include "tests/support/scratch_directory.h"
#include "search/eval_weights.h"
#include "tools/tune/tune_table.h"

namespace {

// Runs the tool in `folder` with no database anywhere, so that nothing outside the folder counts.
CommandResult tuneIn(const ScratchDirectory& folder, const std::string& arguments) {
  return runCommand("cd '" + folder.path + "' && XDG_DATA_HOME='" + folder.path + "' " + ENGINE_TOOL + " tune " +
                    arguments);
}

std::string fileText(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

TEST(TuneTool, BadArgumentsAreOneLineAndWriteNothing) {
  ScratchDirectory folder;
  const struct {
    std::string arguments;
    std::string reason;
  } cases[] = {
      {"--games 0", "--games must be a whole number from 1"},
      {"--games 1000001", "--games"},
      {"--games ten", "--games"},
      {"--depth 13", "--depth"},
      {"--threads 0", "--threads"},
      {"--epochs -5", "--epochs"},
      {"--seed 1.5", "--seed"},
      {"--l2 -1", "--l2"},
      {"--l2 nan", "--l2"},
      {"--anchor queens", "unknown feature 'queens'"},
      {"--anchor men,,kings", "unknown feature ''"},
      {"--anchor ,", "--anchor"},
      {"--out ''", "--out needs a file name"},
      {"--out missing/table.h", "cannot write missing/table.h"},
      {"--games", "needs a value"},
      {"--gmaes 3", "unknown option --gmaes"},
      {"--games 3 --games 4", "given twice"},
      {"table.h", "options only"},
      {"--fen W:W21:B1", "options only"},
  };
  for (const auto& c : cases) {
    const CommandResult r = tuneIn(folder, c.arguments);
    expectRejectedWithOneLine(r, c.arguments);
    EXPECT_NE(r.err.find(c.reason), std::string::npos) << c.arguments << ": " << r.err;
  }
  EXPECT_EQ(runCommand("ls -A '" + folder.path + "'").out, "");
}

TEST(TuneTool, AShortRunWritesATableThatReadsBackWithItsCommand) {
  ScratchDirectory folder;
  const CommandResult r = tuneIn(folder, "--games 4 --depth 2 --endgame 0 --epochs 30 --threads 2 --out t.h");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("no end-game database"), std::string::npos) << r.err;
  EXPECT_NE(r.out.find("games 4 at depth 2"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("(anchored)\nkings "), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("wrote t.h"), std::string::npos) << r.out;
  const std::string text = fileText(folder.path + "/t.h");
  EXPECT_NE(text.find("// Fitted by: tarvenn-engine tune --games 4 --seed 1 --depth 2 --endgame 0 --epochs 30 --l2 0 "
                      "--anchor men,kings\n"),
            std::string::npos)
      << text;
  int16_t weights[EvalFeatureCount];
  std::string error;
  ASSERT_TRUE(readWeightsHeader(text, weights, error)) << error;
  EXPECT_EQ(weights[FeatureMen], EvalWeights[FeatureMen]);
  EXPECT_EQ(weights[FeatureKings], EvalWeights[FeatureKings]);

  // The same command again writes the same file.
  ASSERT_EQ(tuneIn(folder, "--games 4 --depth 2 --endgame 0 --epochs 30 --threads 1 --out again.h").status, 0);
  EXPECT_EQ(fileText(folder.path + "/again.h"), text);
}
