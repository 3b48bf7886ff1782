#include <gtest/gtest.h>
#include "engine/fen.h"
#include "pdn/pdn_notation.h"
#include "game/record_pdn.h"
#include "game/take_back.h"

namespace {

// White c5-d6 (a choice), Black f8-e7 (a choice), White d6xf8 crowning (forced),
// Black h6-g5 (forced).
const char* const StartFen = "W:Wc5,a1:Bf8,h6";
const char* const Plies[] = {"c5-d6", "f8-e7", "d6xf8", "h6-g5"};

Position startPosition() {
  Position start;
  std::string error;
  EXPECT_TRUE(readAnyFen(StartFen, start, error)) << error;
  return start;
}

void play(GameRecord& record, const char* text) {
  Move move;
  std::string error;
  ASSERT_TRUE(readMoveText(text, record.currentPosition(), move, error)) << text << ": " << error;
  record.append(move);
}

void playAll(GameRecord& record) {
  for (const char* ply : Plies) play(record, ply);
}

TEST(TakeBack, ReturnsToTheLastPositionWhereAHumanHadAChoice) {
  struct Case {
    HumanSides humans;
    int plies;
    const char* why;
  };
  const Case cases[] = {
      {{true, false}, 4, "White against the computer: the crowning capture was forced, back before c5-d6"},
      {{false, true}, 3, "Black against the computer: back before f8-e7"},
      {{true, true}, 3, "two people: the forced moves of both go, back before f8-e7"},
      {{false, false}, 0, "two computers: nothing to take back"},
  };
  for (const Case& c : cases) {
    GameRecord record(startPosition());
    playAll(record);
    EXPECT_EQ(pliesToTakeBack(record, c.humans), c.plies) << c.why;
  }
}

TEST(TakeBack, UndoingACaptureThatCrownedRestoresTheManAndTheTakenPiece) {
  GameRecord record(startPosition());
  playAll(record);
  const Position crowned = record.currentPosition();
  ASSERT_EQ(writeFen(crowned), "W:WK3,29:B16");  // the white king on f8, e7 taken

  const HumanSides white{true, false};
  record.takeBack(pliesToTakeBack(record, white));
  EXPECT_EQ(record.count(), 0);
  EXPECT_EQ(record.currentPosition(), startPosition());
  EXPECT_EQ(record.takenBack().size(), 4u);

  // Replay brings the whole exchange back, up to White's next choice.
  EXPECT_EQ(pliesToReplay(record, white), 4);
  const std::vector<Move> again = record.takenBack();
  for (const Move& move : again) record.append(move);
  EXPECT_EQ(record.currentPosition(), crowned);
  EXPECT_TRUE(record.takenBack().empty());
}

TEST(TakeBack, OnePlyAtATimeBetweenTwoPeopleWhenEveryMoveWasAChoice) {
  GameRecord record;  // the initial position: every early move is a choice
  for (const char* ply : {"c3-d4", "f6-g5", "a3-b4"}) play(record, ply);
  const HumanSides people{true, true};
  EXPECT_EQ(pliesToTakeBack(record, people), 1);
  record.takeBack(1);
  EXPECT_EQ(pliesToTakeBack(record, people), 1);
  record.takeBack(1);
  EXPECT_EQ(pliesToReplay(record, people), 1);
  EXPECT_FALSE(record.currentPosition().whiteToMove);
  // The move taken back, played again, keeps the rest for replay; another move forgets it.
  play(record, "f6-g5");
  EXPECT_EQ(record.takenBack().size(), 1u);
  record.takeBack(1);
  play(record, "f6-e5");
  EXPECT_TRUE(record.takenBack().empty());
  EXPECT_EQ(pliesToReplay(record, people), 0);
}

TEST(RecordPdn, ASetUpGameWithBlackToMoveKeepsItsStartAndMoves) {
  Position start;
  std::string error;
  ASSERT_TRUE(readAnyFen("B:Wc5,a1:Bf8,h6", start, error)) << error;
  GameRecord record(start);
  play(record, "f8-e7");
  play(record, "c5-b6");
  const PdnGame saved = recordToPdn(record, PdnResult::Unfinished, "Ann", "computer");
  EXPECT_TRUE(saved.isSetUp());
  EXPECT_EQ(saved.tag("White"), "Ann");
  GameRecord read(saved.start);
  appendPdnMoves(read, saved);
  ASSERT_EQ(read.count(), 2);
  EXPECT_EQ(read.currentPosition(), record.currentPosition());
  EXPECT_FALSE(read.startPosition().whiteToMove);
}

}  // namespace
