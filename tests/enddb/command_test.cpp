#include <gtest/gtest.h>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>
#include "enddb/file_sums.h"
#include "enddb/sha256.h"
#include "tests/support/run_command.h"
#include "tests/support/scratch_directory.h"

namespace {

// Runs a command in a fresh, empty working directory.
class DatabaseCommands : public testing::Test {
protected:
  void SetUp() override { ASSERT_FALSE(scratch.path.empty()); }
  CommandResult run(const std::string& command) { return runCommand("cd '" + directory + "' && " + command); }
  // Of a file in the working folder, or anywhere by its absolute path.
  long fileSize(const std::string& name) {
    std::ifstream in(name[0] == '/' ? name : directory + "/" + name, std::ios::binary | std::ios::ate);
    return in ? long(in.tellg()) : -1;
  }
  ScratchDirectory scratch;
  const std::string& directory = scratch.path;
};

std::vector<uint8_t> readBytes(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

const std::string Program = TARVENN_BINARY;
const std::string Tool = ENGINE_TOOL;

}  // namespace

TEST_F(DatabaseCommands, DatabaseRunNamesItsFolderPrintsProgressWritesFilesAndSucceeds) {
  // An empty working folder: the files go to the data folder.
  const std::string dataFolder = std::string(std::getenv("XDG_DATA_HOME")) + "/tarvenn";
  const CommandResult r = run(Program + " -e 2");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out.rfind("End game db folder: " + dataFolder +
                            "\nInit end game db for (pieces): 1 2 DONE\nCalc db for 1 (1) vs 1 (1):",
                        0),
            0u)
      << r.out;
  EXPECT_NE(r.out.find("\nCalc db for 1 (0) vs 1 (0):"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\nTime: "), std::string::npos) << r.out;
  EXPECT_EQ(r.out.substr(r.out.size() - 4), "sec\n") << r.out;
  EXPECT_EQ(fileSize(dataFolder + "/enddb1.bin"), 128);
  EXPECT_EQ(fileSize(dataFolder + "/enddb2.bin"), 7936);
  EXPECT_EQ(fileSize(dataFolder + "/enddb3.bin"), -1);
  EXPECT_EQ(fileSize("enddb1.bin"), -1) << "nothing in the working folder";
}

TEST_F(DatabaseCommands, DatabaseRunInAFolderWithTheGamesFilesWritesThere) {
  ASSERT_EQ(run("touch white.ouv").status, 0);
  const CommandResult r = run(Program + " -e 1");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("End game db folder: " + directory + "\nInit end game db", 0), 0u) << r.out;
  EXPECT_EQ(fileSize("enddb1.bin"), 128);
}

TEST_F(DatabaseCommands, DatabaseRunThatCannotWriteEndsWithStatusOneAndTheReason) {
  ASSERT_EQ(run("mkdir enddb1.bin").status, 0);
  const CommandResult r = run(Program + " --enddbgen 2");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "tarvenn: cannot write enddb1.bin: Is a directory\n");
  EXPECT_EQ(fileSize("enddb2.bin"), 7936);
}

TEST_F(DatabaseCommands, DatabaseRunOnAFullDiskSaysSo) {
  ASSERT_EQ(run("ln -s /dev/full enddb1.bin").status, 0);
  const CommandResult r = run(Program + " -e 1");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "tarvenn: cannot write enddb1.bin: No space left on device\n");
}

TEST_F(DatabaseCommands, DatabaseRunWithoutADataFolderEndsAtOnceWithOneLine) {
  ASSERT_EQ(run("touch blocker").status, 0);
  // The 5-piece database would take minutes: the folder is checked before it.
  const CommandResult r = run("XDG_DATA_HOME='" + directory + "/blocker' " + Program + " -e 5");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "tarvenn: cannot make the data folder " + directory + "/blocker/tarvenn: Not a directory\n");
}

TEST_F(DatabaseCommands, DatabaseRunWithoutMemoryForItsTablesEndsWithStatusOne) {
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "the sanitizer's shadow memory does not fit an address-space limit";
#endif
  // 120 MB of address space holds no 5-piece table; 300 MB may hold the
  // tables but not their distances beside them.
  for (const char* limit : {"120000", "300000"}) {
    const CommandResult r = run(std::string("ulimit -v ") + limit + " && " + Program + " -e 5");
    EXPECT_EQ(r.status, 1) << "limit " << limit << " KB";
    EXPECT_EQ(r.err, "tarvenn: not enough memory for the 5-piece end-game database\n") << "limit " << limit;
    EXPECT_EQ(fileSize("enddb1.bin"), -1) << "limit " << limit;
  }
}

TEST_F(DatabaseCommands, ProbeAnswersFromTheComputedThreePieceDatabase) {
  const struct {
    const char* fen;
    const char* answer;
  } cases[] = {
      {"W:WK29:B4", "win A1-B2\n"},          // king A1 against the man on H8
      {"B:W28:BK1", "win B8-C7\n"},          // the same, colours turned
      {"W:W29:B4", "draw\n"},                // man against man, both far from crowning
      {"W:WK18:B1,2,3", "not covered\n"},    // four pieces
  };
  for (const auto& c : cases) {
    const CommandResult r = run(Tool + " probe --fen '" + c.fen + "'");
    EXPECT_EQ(r.status, 0) << c.fen << ": " << r.err;
    EXPECT_EQ(r.out, c.answer) << c.fen;
  }
  EXPECT_EQ(fileSize("enddb1.bin"), -1) << "probing writes no files";
}

// The recorded sums are what -e 4 writes; a damaged file is not trusted, and a
// short smaller file does not take the sound larger one with it.
TEST_F(DatabaseCommands, FourPieceRunWritesTheRecordedSumsAndDamagedFilesAreNotTrusted) {
  ASSERT_EQ(run("touch white.ouv").status, 0);  // the working folder holds the game's files
  ASSERT_EQ(run(Program + " -e 4 >/dev/null").status, 0);
  for (uint32_t n = 1; n <= 4; ++n) {
    const std::vector<uint8_t> bytes = readBytes(directory + "/enddb" + std::to_string(n) + ".bin");
    EXPECT_EQ(sha256Hex(bytes.data(), bytes.size()), recordedFileSum(n)) << n << " pieces";
  }
  const std::string fourPieces = Tool + " probe --fen 'W:WK18:B1,2,3'";
  const std::string threePieces = Tool + " probe --fen 'W:WK29:B4'";
  const CommandResult sound = run(fourPieces);
  ASSERT_EQ(sound.status, 0) << sound.err;
  EXPECT_NE(sound.out, "not covered\n");
  const struct {
    const char* damage;
    const char* command;
    const char* fourPieceAnswer;  // null: the answer of the sound files
    const char* file;
    const char* reason;
  } cases[] = {
      {"one byte of enddb4.bin changed", "printf '\\001' | dd of=enddb4.bin bs=1 seek=4600000 conv=notrunc",
       "not covered\n", "enddb4.bin", "its checksum does not match"},
      {"enddb4.bin cut short", "truncate -s 9205759 enddb4.bin", "not covered\n", "enddb4.bin",
       "it is shorter than a complete file"},
      {"enddb2.bin cut short", "truncate -s 7000 enddb2.bin", nullptr, "enddb2.bin",
       "it is shorter than a complete file"},
      {"one byte of enddb3.bin changed", "printf '\\001' | dd of=enddb3.bin bs=1 seek=1000 conv=notrunc", nullptr,
       "enddb3.bin", "its checksum does not match"},
  };
  ASSERT_EQ(run("mkdir sound && cp enddb*.bin sound/").status, 0);
  for (const auto& c : cases) {
    ASSERT_EQ(run("cp sound/enddb*.bin . && (" + std::string(c.command) + ") 2>/dev/null").status, 0) << c.damage;
    const CommandResult four = run(fourPieces);
    EXPECT_EQ(four.status, 0) << c.damage << ": " << four.err;
    EXPECT_EQ(four.out, c.fourPieceAnswer ? c.fourPieceAnswer : sound.out) << c.damage;
    EXPECT_EQ(four.err, "tarvenn-engine: " + std::string(c.file) + " is not used: " + c.reason + "\n") << c.damage;
    EXPECT_EQ(run(threePieces).out, "win A1-B2\n") << c.damage << ": the smaller tables are computed in memory";
  }
}

TEST_F(DatabaseCommands, ProbeRejectsBadInputWithOneLine) {
  for (const char* arguments : {"probe --fen x", "probe extra", "probe --depth 3", "probe --fen 'W:W33:B1'"})
    expectRejectedWithOneLine(run(Tool + " " + arguments), arguments);
}
