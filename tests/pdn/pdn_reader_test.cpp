// Files as people and other programs write them read as intended.
#include <gtest/gtest.h>
#include "engine/fen.h"
#include "pdn/pdn_reader.h"
#include "tests/pdn/pdn_test_support.h"

namespace {

struct GoodFile {
  const char* what;
  const char* text;
  int games;
  int moves;           // of the last game
  const char* fen;     // after the last game's last move
  PdnResult result;    // of the last game
};

const GoodFile GoodFiles[] = {
    {"tags in any order, full game type",
     "[Black \"B\"]\n[GameType \"26,W,8,8,A0,0\"]\n[White \"W\"]\n[Event \"e\"]\n\n1. c3-d4 f6-g5 2. b2-c3 1-0\n", 1, 3,
     "B:W18,21,22,23,24,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,12,16", PdnResult::WhiteWins},
    {"game type alone, upper case, glued move numbers",
     "[GameType \"26\"]\n\n1.C3-D4 F6-G5 2.B2-C3 *\n", 1, 3,
     "B:W18,21,22,23,24,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,12,16", PdnResult::Unfinished},
    {"no tags at all, numeric notation", "22-18 11-15 18x11 8x15 0-2\n", 1, 4,
     "W:W21,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,9,10,12,15", PdnResult::BlackWins},
    {"comments, variations with comments and parentheses inside, NAGs, marks",
     "[Event \"x\"]\n{opening (note}\n1. c3-d4! {good} (1. a3-b4 {or (this}) (1. e3-f4 (1. g3-h4)) f6-g5?! $2 "
     "2. b2-c3 $14 "
     "; a line comment f6-e5\n1/2-1/2\n", 1, 3,
     "B:W18,21,22,23,24,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,12,16", PdnResult::Draw},
    {"capture in short and in full form, forced-move star, CRLF line ends",
     "[FEN \"W:W22:B18,11\"]\r\n[SetUp \"1\"]\r\n\r\n1. c3xg7* 2-0\r\n\r\n[FEN \"W:W22:B18,11\"]\r\n1. 22x15x8 2-0\r\n",
     2, 1, "B:W8:B", PdnResult::WhiteWins},
    {"a king's capture written with every landing square",
     "[SetUp \"1\"]\n[FEN \"W:WK2:B1,6,14,17,24\"]\n1. d8xa5xe1xh4 1-0\n", 1, 1, "B:WK20:B1,14", PdnResult::WhiteWins},
    {"a capture in numeric full form", "[FEN \"W:WK2:B1,6,14,17,24\"]\n1. 2x13x31x20 1-1\n", 1, 1, "B:WK20:B1,14",
     PdnResult::Draw},
    {"Black first after a set-up with alphanumeric squares",
     "[SetUp \"1\"]\n[FEN \"B:Wa1,Kc3:Bb6,h8\"]\n\n1... b6-a5 2. c3-d4 h8-g7 *\n", 1, 3, "W:WK18,29:B8,13",
     PdnResult::Unfinished},
    {"several games, the star result at the end of the file",
     "[Event \"1\"]\n\n1. c3-d4 * {unfinished}\n\n[Event \"2\"]\n\n1. a3-b4 0-1\n[Event \"3\"]\n1. e3-f4 *", 3, 1,
     "B:W19,21,22,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,11,12", PdnResult::Unfinished},
    {"escaped quotes in a tag value and an empty game", "[White \"Ann \\\"A\\\" \\\\ B\"]\n\n*\n", 1, 0,
     "W:W21,22,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,11,12", PdnResult::Unfinished},
    {"old files: moves without a separator", "2218 1115 1811 815 0-2\n", 1, 4,
     "W:W21,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,9,10,12,15", PdnResult::BlackWins},
    {"old files: a capture split in single jumps", "[FEN \"W:W22:B18,11\"]\n1. 22x15 15x8 {then} 1-0\n", 1, 1, "B:W8:B",
     PdnResult::WhiteWins},
    {"move numbers with three dots, escape lines", "%comment line\n1. c3-d4 1... f6-g5\n2.   b2-c3 1-0", 1, 3,
     "B:W18,21,22,23,24,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,12,16", PdnResult::WhiteWins},
};

TEST(PdnReader, FilesAsPeopleWriteThemReadAsIntended) {
  for (const GoodFile& file : GoodFiles) {
    const PdnReading reading = readPdn(file.text);
    ASSERT_TRUE(reading.ok()) << file.what << ": " << reading.fault.describe();
    ASSERT_EQ((int)reading.games.size(), file.games) << file.what;
    const PdnGame& game = reading.games.back();
    EXPECT_EQ((int)game.moves.size(), file.moves) << file.what;
    EXPECT_EQ(writeFen(game.finalPosition()), file.fen) << file.what;
    EXPECT_EQ(game.result, file.result) << file.what;
  }
}

TEST(PdnReader, TagsKeepTheirOrderAndValues) {
  const PdnReading reading = readPdn(GoodFiles[0].text);
  ASSERT_TRUE(reading.ok());
  const std::vector<PdnTag>& tags = reading.games[0].tags;
  ASSERT_EQ(tags.size(), 4u);
  EXPECT_EQ(tags[0].name, "Black");
  EXPECT_EQ(tags[2].value, "W");
  EXPECT_EQ(readPdn(GoodFiles[9].text).games[0].tag("White"), "Ann \"A\" \\ B");
}

TEST(PdnReader, SeveralGamesKeepTheirOwnTagsAndStarts) {
  const PdnReading reading =
      readPdn("[White \"a\"]\n[FEN \"B:W21:B1\"]\n1... b8-a7 1-0\n\n[White \"b\"]\n1. c3-d4 0-1\n");
  ASSERT_TRUE(reading.ok()) << reading.fault.describe();
  ASSERT_EQ(reading.games.size(), 2u);
  EXPECT_EQ(reading.games[0].tag("White"), "a");
  EXPECT_FALSE(reading.games[0].start.whiteToMove);
  EXPECT_EQ(reading.games[1].tag("White"), "b");
  EXPECT_EQ(reading.games[1].start, InitialPosition);

}

}  // namespace
