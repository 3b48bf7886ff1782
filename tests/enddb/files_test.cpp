#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>
#include "enddb/database.h"
#include "enddb/program_steps.h"
#include "engine/fen.h"
#include "engine/movegen.h"
#include "enddb/sha256.h"
#include "tests/support/scratch_directory.h"
#include "tests/engine/squares.h"

namespace {

// Each test runs in a fresh, empty working directory.
class DatabaseFiles : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_FALSE(scratch.path.empty());
    char here[4096];
    ASSERT_NE(getcwd(here, sizeof here), nullptr);
    previous = here;
    ASSERT_EQ(chdir(scratch.path.c_str()), 0);
  }
  void TearDown() override { ASSERT_EQ(chdir(previous.c_str()), 0); }
  ScratchDirectory scratch;
  std::string previous;
};

std::vector<uint8_t> readFile(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const std::string& name, const std::vector<uint8_t>& bytes) {
  std::ofstream out(name, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

bool exists(const std::string& name) {
  struct stat info;
  return stat(name.c_str(), &info) == 0;
}

}  // namespace

TEST_F(DatabaseFiles, ThreePieceRunWritesFilesWithTheRecordedChecksums) {
  EndgameDatabase db;
  testing::internal::CaptureStdout();
  EXPECT_EQ(runDatabaseGeneration(db, 3), 0);
  testing::internal::GetCapturedStdout();
  const char* sums[] = {
      "8fa32dc9c4d204aa0e35524de7d2b6b5814417a451ed08138e88c8f31bf33c93",
      "8a65ec6e717ab8a58f098cd3f69c7d32615c5dcc56ad3b85af24f3544b17761a",
      "668bf075f1758951a79d6d3463f2f61cf929fa4af69bb0d6099582e264023a57",
  };
  for (int i = 1; i <= 3; ++i) {
    const std::string name = "enddb" + std::to_string(i) + ".bin";
    const std::vector<uint8_t> bytes = readFile(name);
    EXPECT_EQ(bytes.size(), tableSize(i)) << name;
    EXPECT_EQ(sha256Hex(bytes.data(), bytes.size()), sums[i - 1]) << name;
  }
  EXPECT_FALSE(exists("enddb4.bin"));
}

TEST_F(DatabaseFiles, SaveWritesOneFilePerPieceCount) {
  EndgameDatabase db;
  ASSERT_TRUE(db.build(2, false));
  EXPECT_TRUE(db.save().empty());
  EXPECT_EQ(readFile("enddb1.bin").size(), 128u);
  EXPECT_EQ(readFile("enddb2.bin").size(), 7936u);
  EXPECT_FALSE(exists("enddb3.bin"));
}

TEST_F(DatabaseFiles, LoadReadsBackWhatWasSaved) {
  EndgameDatabase saved, loaded;
  ASSERT_TRUE(saved.build(3, false));
  ASSERT_TRUE(saved.save().empty());
  EXPECT_EQ(loaded.load(24), 3u);
  EXPECT_EQ(loaded.pieceCount, 3u);
  EXPECT_EQ(loaded.savedPieceCount, 3u);
  for (uint32_t n = 1; n <= 3; ++n)
    EXPECT_TRUE(std::equal(saved.table(n), saved.table(n) + tableSize(n), loaded.table(n))) << n << " pieces";
}

TEST_F(DatabaseFiles, LoadStopsAtTheLimitAndAtTheFirstMissingFile) {
  EndgameDatabase db;
  EXPECT_EQ(db.load(24), 0u) << "no files at all";
  EXPECT_EQ(db.pieceCount, 0u);
  writeFile("enddb1.bin", std::vector<uint8_t>(128, StatusDraw));
  writeFile("enddb2.bin", std::vector<uint8_t>(7936, StatusDraw));
  writeFile("enddb4.bin", std::vector<uint8_t>(9205760, StatusDraw));
  EXPECT_EQ(db.load(0), 0u);
  EXPECT_EQ(db.load(1), 1u);
  EXPECT_EQ(db.tablesHeld(), 1u);
  EXPECT_EQ(db.load(24), 2u) << "enddb4.bin is ignored without enddb3.bin";
  EXPECT_EQ(db.pieceCount, 2u);
}

TEST_F(DatabaseFiles, ShortFileDropsItsTableAndLongFileIsReadToItsSize) {
  EndgameDatabase db;
  writeFile("enddb1.bin", std::vector<uint8_t>(129, StatusWin));
  writeFile("enddb2.bin", std::vector<uint8_t>(7935, StatusDraw));
  EXPECT_EQ(db.load(24), 1u);
  EXPECT_EQ(db.pieceCount, 1u);
  EXPECT_EQ(db.savedPieceCount, 1u);
  EXPECT_EQ(db.tablesHeld(), 1u);
  EXPECT_EQ(db.table(1)[127], StatusWin);
}

TEST_F(DatabaseFiles, StartUpComputesThreePiecesWhenFewerWereRead) {
  writeFile("enddb1.bin", std::vector<uint8_t>(128, StatusDraw));
  writeFile("enddb2.bin", std::vector<uint8_t>(7935, StatusDraw));
  testing::internal::CaptureStdout();
  EXPECT_EQ(prepareStartupDatabase(), 3u);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << "the start-up computation is silent";
  EXPECT_EQ(endgameDatabase.pieceCount, 3u);
  EXPECT_NE(endgameDatabase.table(1)[1], StatusDraw) << "the loaded 1-piece table is computed again";
  EXPECT_FALSE(exists("enddb3.bin")) << "nothing is written";
}

TEST_F(DatabaseFiles, CorruptBytesAreNotCovered) {
  // A lone white king on D4 against a black man on A7, White to move, has moves;
  // the bytes claim a win by move 63, or carry the status no finished table holds.
  for (uint8_t byte : {uint8_t(0xFF), uint8_t(0x3F), uint8_t(0x00), uint8_t(0x7F)}) {
    writeFile("enddb1.bin", std::vector<uint8_t>(128, byte));
    writeFile("enddb2.bin", std::vector<uint8_t>(7936, byte));
    EndgameDatabase db;
    ASSERT_EQ(db.load(24), 2u);
    SquareSet white = squares("D4"), black = squares("A7"), kings = squares("D4"), from = 0;
    EXPECT_EQ(db.probeWhiteToMove(white, black, kings, from), 0) << "byte " << int(byte);
    EXPECT_EQ(db.probeBlackToMove(white, black, kings, from), 0) << "byte " << int(byte);
    EXPECT_EQ(white, squares("D4"));
    EXPECT_EQ(black, squares("A7"));
    if ((byte & StatusMask) == StatusUndecided) {
      EXPECT_EQ(db.statusOf(white, black, kings, true), 0) << "byte " << int(byte);
    }
  }
}

TEST_F(DatabaseFiles, RandomBytesNeverGiveAMoveOutsideTheList) {
  std::mt19937 random(7);
  for (uint32_t n = 1; n <= 3; ++n) {
    std::vector<uint8_t> bytes(tableSize(n));
    for (uint8_t& byte : bytes) byte = uint8_t(random());
    writeFile("enddb" + std::to_string(n) + ".bin", bytes);
  }
  EndgameDatabase db;
  ASSERT_EQ(db.load(24), 3u);
  MoveRecord moves[MoveBufferCapacity];
  for (uint32_t index = 0; index < tableSize(3); ++index) {
    SquareSet white, kings;
    const SquareSet black = setsFromIndex(index, 3, white, kings) & ~white;
    const MoveRecord* end = generateWhiteMoves(moves, white, black, kings);
    SquareSet afterWhite = white, afterBlack = black, afterKings = kings, from = 0;
    const uint8_t status = db.probeWhiteToMove(afterWhite, afterBlack, afterKings, from);
    if (status != StatusWin && status != StatusLoss) continue;
    bool listed = false;
    for (const MoveRecord* m = moves; m != end; ++m)
      listed |= m->from == from && m->white == afterWhite && m->black == afterBlack && m->kings == afterKings;
    ASSERT_TRUE(listed) << writeFen(Position(white, black, kings));
  }
}

TEST_F(DatabaseFiles, UnwritableFileFailsTheRunWithOneLinePerFile) {
  ASSERT_EQ(mkdir("enddb2.bin", 0755), 0);  // a directory stands where the file should go
  EndgameDatabase db;
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  EXPECT_EQ(runDatabaseGeneration(db, 3), 1);
  const std::string errors = testing::internal::GetCapturedStderr();
  const std::string output = testing::internal::GetCapturedStdout();
  EXPECT_EQ(errors, "tarvenn: cannot write enddb2.bin: Is a directory\n");
  EXPECT_NE(output.find("Time: "), std::string::npos) << "the progress output is unchanged";
  EXPECT_EQ(readFile("enddb1.bin").size(), 128u);
  EXPECT_EQ(readFile("enddb3.bin").size(), 317440u) << "the other files are still written";
}
