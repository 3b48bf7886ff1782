#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cstdio>
#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <thread>
#include <vector>
#include "enddb/database.h"
#include "enddb/file_sums.h"
#include "enddb/generation_progress.h"
#include "enddb/program_steps.h"
#include "engine/fen.h"
#include "engine/movegen.h"
#include "enddb/sha256.h"
#include "tests/enddb/recorded_progress.h"
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
  GenerationProgress silent;
  EXPECT_EQ(runDatabaseGeneration(db, 3, silent), 0);
  for (uint32_t i = 1; i <= 3; ++i) {
    const std::string name = "enddb" + std::to_string(i) + ".bin";
    const std::vector<uint8_t> bytes = readFile(name);
    EXPECT_EQ(bytes.size(), tableSize(i)) << name;
    ASSERT_NE(recordedFileSum(i), nullptr) << name;
    EXPECT_EQ(sha256Hex(bytes.data(), bytes.size()), recordedFileSum(i)) << name;
  }
  EXPECT_FALSE(exists("enddb4.bin"));
}

TEST_F(DatabaseFiles, SaveWritesOneFilePerPieceCount) {
  EndgameDatabase db;
  ASSERT_TRUE(db.build(2));
  EXPECT_TRUE(db.save().empty());
  EXPECT_EQ(readFile("enddb1.bin").size(), 128u);
  EXPECT_EQ(readFile("enddb2.bin").size(), 7936u);
  EXPECT_FALSE(exists("enddb3.bin"));
}

TEST_F(DatabaseFiles, LoadReadsBackWhatWasSaved) {
  EndgameDatabase saved, loaded;
  ASSERT_TRUE(saved.build(3));
  ASSERT_TRUE(saved.save().empty());
  const DatabaseLoad load = loaded.load(24);
  EXPECT_EQ(load.pieceCount, 3u);
  EXPECT_TRUE(load.refused.empty());
  EXPECT_TRUE(load.unchecked.empty());
  EXPECT_EQ(loaded.pieceCount, 3u);
  for (uint32_t n = 1; n <= 3; ++n)
    EXPECT_TRUE(std::equal(saved.table(n), saved.table(n) + tableSize(n), loaded.table(n))) << n << " pieces";
}

TEST_F(DatabaseFiles, LoadStopsAtTheLimitAndAtTheFirstMissingFile) {
  EndgameDatabase db;
  EXPECT_EQ(db.load(24).pieceCount, 0u) << "no files at all";
  EXPECT_EQ(db.pieceCount, 0u);
  EndgameDatabase computed;
  ASSERT_TRUE(computed.build(2));
  ASSERT_TRUE(computed.save().empty());
  writeFile("enddb4.bin", std::vector<uint8_t>(9205760, StatusDraw));
  EXPECT_EQ(db.load(0).pieceCount, 0u);
  EXPECT_EQ(db.load(1).pieceCount, 1u);
  EXPECT_EQ(db.tablesHeld(), 1u);
  const DatabaseLoad load = db.load(24);
  EXPECT_EQ(load.pieceCount, 2u) << "enddb4.bin is ignored without enddb3.bin";
  EXPECT_TRUE(load.refused.empty()) << "enddb4.bin is not even read";
  EXPECT_EQ(db.pieceCount, 2u);
}

// A file that is not what the computation writes is refused with its name and
// why; the other files, larger ones too, are still read and answer as before.
TEST_F(DatabaseFiles, DamagedOrShortFileIsRefusedByNameAndTheSoundOnesStillAnswer) {
  EndgameDatabase reference;
  ASSERT_TRUE(reference.build(3));
  const struct {
    const char* damage;
    uint32_t pieces;
    bool cutShort;  // else one byte in the middle changed
    const char* reason;
    uint32_t pieceCount;
  } cases[] = {
      {"one byte of enddb2.bin changed", 2, false, "its checksum does not match", 3},
      {"enddb2.bin cut short", 2, true, "it is shorter than a complete file", 3},
      {"one byte of enddb1.bin changed", 1, false, "its checksum does not match", 3},
      {"enddb3.bin cut short", 3, true, "it is shorter than a complete file", 2},
      {"one byte of enddb3.bin changed", 3, false, "its checksum does not match", 2},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(reference.save().empty());
    const std::string name = "enddb" + std::to_string(c.pieces) + ".bin";
    std::vector<uint8_t> bytes = readFile(name);
    if (c.cutShort)
      bytes.pop_back();
    else
      bytes[bytes.size() / 2] ^= 0x40;
    writeFile(name, bytes);
    EndgameDatabase db;
    const DatabaseLoad load = db.load(24);
    ASSERT_EQ(load.refused.size(), 1u) << c.damage;
    EXPECT_EQ(load.refused[0].pieces, c.pieces) << c.damage;
    EXPECT_EQ(load.refused[0].name, name) << c.damage;
    EXPECT_EQ(load.refused[0].reason, c.reason) << c.damage;
    EXPECT_EQ(load.pieceCount, c.pieceCount) << c.damage;
    EXPECT_EQ(db.table(c.pieces), nullptr) << c.damage << ": the damaged table is not held";
    for (uint32_t n = 1; n <= 3; ++n) {
      EXPECT_EQ(db.usable(n), n != c.pieces) << c.damage << ", " << n << " pieces";
      // Every 61st position: the sound tables answer as computed, the refused one not at all.
      for (uint32_t index = 0; index < tableSize(n); index += 61) {
        SquareSet mover, kings;
        const SquareSet opponent = setsFromIndex(index, n, mover, kings) & ~mover;
        const uint8_t expected = n == c.pieces ? 0 : reference.orientedStatus(mover, opponent, kings);
        ASSERT_EQ(db.orientedStatus(mover, opponent, kings), expected) << c.damage << ", " << n << " pieces";
      }
    }
  }
}

TEST_F(DatabaseFiles, LongFileIsReadToItsSize) {
  EndgameDatabase computed, db;
  ASSERT_TRUE(computed.build(1));
  std::vector<uint8_t> bytes(computed.table(1), computed.table(1) + tableSize(1));
  bytes.push_back(StatusWin);
  writeFile("enddb1.bin", bytes);
  const DatabaseLoad load = db.load(24);
  EXPECT_TRUE(load.refused.empty());
  EXPECT_EQ(load.pieceCount, 1u);
  EXPECT_EQ(db.tablesHeld(), 1u);
}

TEST_F(DatabaseFiles, LargeTableIsUnusedUntilCheckedAndRefusedWhenDamaged) {
  EndgameDatabase computed;
  ASSERT_TRUE(computed.build(3));
  for (bool damaged : {false, true}) {
    ASSERT_TRUE(computed.save().empty());
    if (damaged) {
      std::vector<uint8_t> bytes = readFile("enddb3.bin");
      bytes[1000] ^= 1;
      writeFile("enddb3.bin", bytes);
    }
    EndgameDatabase db;
    const DatabaseLoad load = db.load(24, "", 3);
    EXPECT_TRUE(load.refused.empty()) << "not checked yet";
    EXPECT_EQ(load.unchecked, std::vector<uint32_t>{3});
    EXPECT_EQ(db.soundPieceCount(), 2u);
    EXPECT_FALSE(db.usable(3));
    const SquareSet white = squares("C3 E3"), black = squares("F6");
    EXPECT_EQ(db.statusOf(white, black, 0, true), 0) << "an unchecked table answers nothing";
    std::atomic<bool> checked{false};
    RefusedFile refused;
    bool sound = false;
    std::thread check([&] {
      sound = db.checkTable(3, "", refused);
      checked = true;
    });
    int probes = 0;
    // Probes of the table under check and of a sound one go on while the check runs.
    do probes += 1 + (db.statusOf(white, black, 0, true) != 0) + db.usable(2);
    while (!checked);
    check.join();
    EXPECT_GT(probes, 0);
    EXPECT_EQ(sound, !damaged);
    EXPECT_EQ(db.usable(3), !damaged);
    EXPECT_EQ(db.soundPieceCount(), damaged ? 2u : 3u);
    EXPECT_EQ(db.statusOf(white, black, 0, true), damaged ? 0 : computed.statusOf(white, black, 0, true));
    EXPECT_EQ(refused.name, damaged ? "enddb3.bin" : "");
    EXPECT_EQ(refused.reason, damaged ? "its checksum does not match" : "");
  }
}

TEST_F(DatabaseFiles, StoppedCheckLeavesTheTableUnusedAndUnrefused) {
  EndgameDatabase computed;
  ASSERT_TRUE(computed.build(3));
  ASSERT_TRUE(computed.save().empty());
  EndgameDatabase db;
  ASSERT_EQ(db.load(24, "", 3).unchecked, std::vector<uint32_t>{3});
  const std::atomic<bool> stop{true};
  RefusedFile refused;
  EXPECT_FALSE(db.checkTable(3, "", refused, &stop));
  EXPECT_EQ(refused.name, "");
  EXPECT_FALSE(db.usable(3));
  EXPECT_NE(db.table(3), nullptr) << "the table is kept for a later check";
  EXPECT_TRUE(db.checkTable(3, "", refused));
  EXPECT_TRUE(db.usable(3));
}

TEST_F(DatabaseFiles, AdoptedTableFillsTheGapOfARefusedOne) {
  EndgameDatabase computed;
  ASSERT_TRUE(computed.build(3));
  ASSERT_TRUE(computed.save().empty());
  writeFile("enddb2.bin", std::vector<uint8_t>(7936, StatusDraw));
  EndgameDatabase db;
  ASSERT_EQ(db.load(24).refused.size(), 1u);
  ASSERT_FALSE(db.usable(2));
  db.adoptTable(2, computed);
  EXPECT_TRUE(db.usable(2));
  EXPECT_FALSE(computed.usable(2)) << "the table moved";
  EXPECT_EQ(db.pieceCount, 3u);
  EXPECT_EQ(db.statusOf(squares("D4"), squares("A7"), squares("D4"), true), StatusWin);
  EXPECT_EQ(db.saveTable(2), "");
  EXPECT_EQ(readFile("enddb2.bin").size(), 7936u);
  EXPECT_TRUE(EndgameDatabase().load(24).refused.empty()) << "the written file is sound";
}

TEST_F(DatabaseFiles, StartUpComputesTheSmallTablesThatWereNotReadSound) {
  writeFile("enddb1.bin", std::vector<uint8_t>(128, StatusDraw));
  writeFile("enddb2.bin", std::vector<uint8_t>(7935, StatusDraw));
  testing::internal::CaptureStdout();
  const DatabaseLoad load = prepareStartupDatabase();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << "the start-up computation is silent";
  EXPECT_EQ(load.pieceCount, 3u);
  EXPECT_EQ(load.refused.size(), 2u);
  EXPECT_EQ(endgameDatabase.pieceCount, 3u);
  EXPECT_NE(endgameDatabase.table(1)[1], StatusDraw) << "the loaded 1-piece table is computed again";
  EXPECT_FALSE(exists("enddb3.bin")) << "nothing is written";
}

// Bytes damaged in memory, past any check of the files: the probe still never
// hands back a move that is not in the list.
TEST_F(DatabaseFiles, CorruptBytesAreNotCovered) {
  // A lone white king on D4 against a black man on A7, White to move, has moves;
  // the bytes claim a win by move 63, or carry the status no finished table holds.
  for (uint8_t byte : {uint8_t(0xFF), uint8_t(0x3F), uint8_t(0x00), uint8_t(0x7F)}) {
    EndgameDatabase db;
    ASSERT_TRUE(db.build(2));
    std::fill(db.table(1), db.table(1) + tableSize(1), byte);
    std::fill(db.table(2), db.table(2) + tableSize(2), byte);
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
  EndgameDatabase db;
  ASSERT_TRUE(db.build(3));
  for (uint32_t n = 1; n <= 3; ++n)
    for (uint32_t index = 0; index < tableSize(n); ++index) db.table(n)[index] = uint8_t(random());
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
  RecordedProgress progress;
  testing::internal::CaptureStderr();
  EXPECT_EQ(runDatabaseGeneration(db, 3, progress), 1);
  const std::string errors = testing::internal::GetCapturedStderr();
  EXPECT_EQ(errors, "tarvenn: cannot write enddb2.bin: Is a directory\n");
  EXPECT_EQ(progress.calls.back(), "finished") << "the computation ran to its end";
  EXPECT_EQ(readFile("enddb1.bin").size(), 128u);
  EXPECT_EQ(readFile("enddb3.bin").size(), 317440u) << "the other files are still written";
}
