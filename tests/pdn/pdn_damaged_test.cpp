// Damaged files give the line and the reason of their first fault.
#include <gtest/gtest.h>
#include <string>
#include "pdn/pdn_reader.h"
#include "tests/support/scratch_directory.h"
#include <fstream>

namespace {

const std::string Tags =
    "[Event \"club\"]\n[White \"A\"]\n[Black \"B\"]\n[Result \"1-0\"]\n[GameType \"26,W,8,8,A0,0\"]\n\n";
const std::string Moves = "1. c3-d4 f6-g5 2. b2-c3 {note} g7-f6\n3. c1-b2 1-0\n";
const std::string Ambiguous = "[FEN \"W:WK2:B1,6,14,17,24\"]\n\n";

struct DamagedFile {
  std::string text;
  int line;
  const char* reason;  // a part of the reason
};

const DamagedFile DamagedFiles[] = {
    // Truncated
    {"[Event \"cl", 1, "the file ends inside a tag"},
    {"[Event", 1, "the file ends inside a tag"},
    {Tags, 5, "the file ends before the game's result"},
    {Tags + "1. c3-d4 f6-g5 2. b2-", 7, "b2- is not a move"},
    {Tags + "1. c3-d4 f6-g5 2. b2-c3 {no", 7, "the file ends inside a comment"},
    {Tags + "1. c3-d4 (1. a3-b4 {x} b6-a5\n\n", 7, "the file ends inside a variation"},
    {Tags + "1. c3-d4 f6-g5 2. b2-c3 {note} g7-f6\n3. c1-b2\n\n", 8, "the file ends before the game's result"},
    {Tags + Moves + "\n[Event \"second\"", 10, "the file ends inside a tag"},
    {Tags + Moves + "\n[Event \"second\"]\n1. c3-d4 1/2-1/", 11, "1/2-1/ is not a move"},
    // Illegal moves
    {Tags + "1. c3-e5 1-0\n", 7, "illegal move c3-e5"},
    {Tags + "1. c3-d4 f6-g5 2. d4-c3 1-0\n", 7, "illegal move d4-c3"},
    {Tags + "1. c3-d4 f6-e5\n2. a3-b4 1-0\n", 8, "illegal move a3-b4"},  // the capture d4xf6 is compulsory
    {Tags + "1. 22-18 12-16 2. 18-22 1-0\n", 7, "illegal move 18-22"},
    {Ambiguous + "1. d8xh4 1-0\n", 3, "ambiguous move d8xh4"},
    {Ambiguous + "1. d8xb6xe1xh4 1-0\n", 3, "illegal move d8xb6xe1xh4"},
    {"[FEN \"W:W22:B18\"]\n1. c3xe5 e7-d6 1-0\n", 2, "illegal move e7-d6"},
    {"[FEN \"W:W22:B18,11\"]\n1. 22x15\n16x8 1-0\n", 2, "illegal move 22x15"},  // jumps that do not chain
    {Tags + "1. 2218 1115 2319 1-0\n", 7, "illegal move 2319"},  // 18x11 is compulsory
    {Tags + "1. c4-d5 1-0\n", 7, "c4 is not a dark square"},
    {Tags + "1. 33-29 1-0\n", 7, "33-29 is not a move"},
    // Other game types and bad set-ups
    {"[GameType \"20\"]\n1. 32-28 *\n", 1, "game type 20 is not Brazilian draughts (26)"},
    {"[Event \"e\"]\n[GameType \"21,B,8,8,N1,0\"]\n1. 11-15 *\n", 2, "game type 21 is not Brazilian draughts"},
    {"[GameType \"26,W,10,10,N2,0\"]\n*\n", 1, "not played on an 8x8 board"},
    {"[GameType \"26,B,8,8,A0,0\"]\n*\n", 1, "lets Black start"},
    {"[GameType \"draughts\"]\n*\n", 1, "is not a game type"},
    {"[SetUp \"1\"]\n[FEN \"W:W33:B1\"]\n*\n", 2, "bad FEN"},
    {"[FEN \"W:W1:B29\"]\n*\n", 1, "a white man stands on rank 8"},
    {"[FEN \"W:Wa2:Bh8\"]\n*\n", 1, "a2 is not a dark square"},
    // Not PDN, or not text
    {std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), 2, "binary data (byte 0x1A)"},
    {Tags + "1. c3-d4 \x07 f6-g5 1-0\n", 7, "binary data (byte 0x07)"},
    {std::string("[Event \"x\"]\n\0", 13), 2, "binary data (byte 0x00)"},
    {"hello world\n", 1, "not a PDN file"},
    {"", 0, "not a PDN file: it holds no game"},
    {"\n \r\n\t\n", 0, "not a PDN file: it holds no game"},
    // Broken tags and movetext
    {"[Event club]\n*\n", 1, "tag Event: its value must be in quotes"},
    {"[Event \"club\n\"]\n*\n", 1, "tag Event: its value does not end on its line"},
    {"[Event \"club\" \n*\n", 1, "tag Event: ']' is missing"},
    {"[ \"club\"]\n*\n", 1, "a tag name is expected"},
    {Tags + "1. c3-d4 ) 1-0\n", 7, "')' without a variation to close"},
    {Tags + "1. c3-d4 f6-g5\n" + Tags + Moves, 8, "the game's moves end without a result"},
};

TEST(PdnDamaged, EachFileGivesTheLineAndReasonOfItsFirstFault) {
  int index = 0;
  for (const DamagedFile& file : DamagedFiles) {
    const PdnReading reading = readPdn(file.text);
    const std::string context = "file " + std::to_string(index++) + ":\n" + file.text;
    ASSERT_FALSE(reading.ok()) << context;
    EXPECT_EQ(reading.fault.line, file.line) << context << "\n" << reading.fault.describe();
    EXPECT_NE(reading.fault.reason.find(file.reason), std::string::npos) << context << "\n" << reading.fault.describe();
    EXPECT_EQ(reading.fault.reason.find('\n'), std::string::npos) << context;
  }
  EXPECT_GE(index, 30);
}

TEST(PdnDamaged, GamesBeforeTheFaultAreKeptApart) {
  const PdnReading reading = readPdn(Tags + Moves + "\n" + Tags + "1. c3-e5 1-0\n");
  EXPECT_FALSE(reading.ok());
  EXPECT_EQ(reading.fault.describe(), "line 16: illegal move c3-e5");
  EXPECT_EQ(reading.games.size(), 1u);
}

TEST(PdnDamaged, FilesThatCannotBeReadNameThemselves) {
  ScratchDirectory scratch;
  const PdnReading missing = readPdnFile(scratch.path + "/none.pdn");
  EXPECT_EQ(missing.fault.line, 0);
  EXPECT_NE(missing.fault.reason.find("none.pdn"), std::string::npos) << missing.fault.reason;
  const PdnReading folder = readPdnFile(scratch.path);
  EXPECT_NE(folder.fault.reason.find("is not a file"), std::string::npos) << folder.fault.reason;
  std::ofstream(scratch.path + "/good.pdn") << Tags << Moves;
  EXPECT_TRUE(readPdnFile(scratch.path + "/good.pdn").ok());
}

}  // namespace
