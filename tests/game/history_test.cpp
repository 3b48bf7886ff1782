#include <gtest/gtest.h>
#include <string>
#include "fakes.h"
#include "game/game_record.h"
#include "game/message_text.h"

namespace {

Move moveTo(const char* fen) {
  const FenSetup setup = setupFromFen(fen);
  Move move;
  move.after = setup.position;
  return move;
}

Move firstMoveNamed(const Position& position, bool black, const char* notation) {
  Move found;
  for (const Move& move : MoveList(Position(position.white, position.black, position.kings, !black))) {
    char text[6] = {};
    move.writeNotation(text);
    if (std::string(text) == notation) found = move;
  }
  EXPECT_NE(found.from, 0u) << notation;
  return found;
}

// The row as the history shows it: green when best, the moving side's piece, the words.
std::string label(const HistoryEntry& entry) {
  return std::string(entry.flags & bestBit ? "@C2" : "") + (entry.whiteToMove() ? "@bc " : "@wc ") +
         entryWords(entry);
}

TEST(HistoryEntries, FirstMoveRecordsWhiteSideAndTheInitialEmptySquares) {
  GameRecord record;
  record.append(firstMoveNamed(InitialPosition, false, "G3-H4"));
  HistoryEntry& entry = record.entry(0);
  EXPECT_EQ(entry.flags, 0);
  EXPECT_FALSE(entry.whiteToMove());
  EXPECT_EQ(entry.move.to, SquareSet(1) << 15) << "H4";
  EXPECT_EQ(label(entry), "@wc G3-H4");
  EXPECT_FALSE(record.currentPosition().whiteToMove);
}

TEST(HistoryEntries, RepliesAreGeneratedOnceWithTheOtherSideAndCanBeOpenedInTurn) {
  GameRecord record;
  record.append(firstMoveNamed(InitialPosition, false, "G3-H4"));
  HistoryEntry& entry = record.entry(0);
  EXPECT_EQ(entry.childCount, -1);
  HistoryEntry* replies = entry.children();
  ASSERT_EQ(entry.childCount, 7);
  EXPECT_EQ(entry.children(), replies) << "generated on the first call only";
  for (int i = 0; i < entry.childCount; ++i) {
    HistoryEntry& reply = replies[i];
    EXPECT_EQ(label(reply).substr(0, 4), "@bc ") << label(reply);
    EXPECT_NE(reply.move.from & entry.move.after.black, 0u) << "a reply moves a black piece";
    EXPECT_EQ(reply.childCount, -1);
    reply.children();
    EXPECT_GT(reply.childCount, 0) << label(reply);
    EXPECT_EQ(label(reply.children()[0]).substr(0, 4), "@wc ");
  }
  EXPECT_EQ(label(replies[0]), "@bc B6-A5");
}

TEST(HistoryEntries, EntryWhoseSideToMoveCannotMoveIsALeaf) {
  GameRecord record(setupFromFen("W:W22:B18").position);
  record.append(moveTo("B:W15:B"));  // C3xE5 took Black's last piece
  HistoryEntry& entry = record.entry(0);
  EXPECT_NE(entry.children(), nullptr);
  EXPECT_EQ(entry.childCount, 0);
}

TEST(HistoryEntries, LabelShowsTheAnalysedValueAndBestReplyColour) {
  struct Case {
    bool whiteMoved;
    uint8_t flags;
    int evaluation;
    int depth;
    const char* label;
  };
  const Case cases[] = {
      {true, 0, 3, 0, "@wc C3-D4"},
      {true, evaluatedBit, 3, 12, "@wc C3-D4 (evaluation: 3)"},
      {true, evaluatedBit, -119, 11, "@wc C3-D4 (evaluation: -119)"},
      {true, evaluatedBit, 120, 12, "@wc C3-D4 (win)"},
      {true, evaluatedBit, -124, 12, "@wc C3-D4 (lose)"},
      {true, 0, 5, 12, "@wc C3-D4 (lose)"},  // depth without a value
      {true, evaluatedBit | bestBit, -119, 11, "@C2@wc C3-D4 (evaluation: -119)"},
      {false, evaluatedBit | bestBit, 0, 11, "@C2@bc C3-D4 (evaluation: 0)"},
  };
  GameRecord record;
  record.append(firstMoveNamed(InitialPosition, false, "C3-D4"));
  HistoryEntry& entry = record.entry(0);
  for (const Case& c : cases) {
    entry.flags = c.flags;
    entry.move.after.whiteToMove = !c.whiteMoved;
    entry.evaluation = (int8_t)c.evaluation;
    entry.depth = (uint8_t)c.depth;
    EXPECT_EQ(label(entry), c.label);
  }
}

TEST(GameRecords, RepetitionCountsOnlyWithTheSameSideToMove) {
  // Kings shuttle: A1-B2, H8-G7, B2-A1, G7-H8, then A1-B2 repeats the first entry.
  const char* fens[] = {"B:WK25:BK4", "W:WK25:BK8", "B:WK29:BK8", "W:WK29:BK4", "B:WK25:BK4"};
  GameRecord record(setupFromFen("W:WK29:BK4").position);
  EXPECT_FALSE(record.isRepetition());
  for (int i = 0; i < 5; ++i) {
    record.append(moveTo(fens[i]));
    EXPECT_EQ(record.isRepetition(), i == 4) << "after " << fens[i] << ", ply " << i + 1;
  }
  // Three plies back the same squares stand with the other side to move.
  GameRecord odd;
  for (const char* fen : {"B:WK25:BK4", "W:WK25:BK8", "B:WK29:BK8", "W:WK25:BK4"}) odd.append(moveTo(fen));
  EXPECT_FALSE(odd.isRepetition());
}

TEST(GameRecords, ObserversHearOfEveryMoveInTheirOrder) {
  struct Observer : RecordObserver {
    std::vector<int>* calls;
    int id;
    Observer(std::vector<int>* calls, int id) : calls(calls), id(id) {}
    void recordChanged(GameRecord& record) override { calls->push_back(id * 10 + record.count()); }
  };
  std::vector<int> calls;
  Observer first(&calls, 1), second(&calls, 2);
  GameRecord record;
  record.addObserver(&first);
  record.addObserver(&second);
  record.append(firstMoveNamed(InitialPosition, false, "C3-D4"));
  EXPECT_EQ(calls, (std::vector<int>{11, 21}));
}

}  // namespace
