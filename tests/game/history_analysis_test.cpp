#include <gtest/gtest.h>
#include <string>
#include "game/history_analysis.h"
#include "enddb/database.h"
#include "game/message_text.h"
#include "search/search_engine.h"
#include "tests/game/fakes.h"

namespace {

SearchEngine& searcher() {
  static SearchEngine search(endgameDatabase);
  return search;
}
void resetSearchedNodes() { searcher().resetNodes(); }
uint64_t searchedNodes() { return searcher().nodes(); }
void evaluateEntry(HistoryEntry& entry) { evaluateEntry(searcher(), entry); }
void evaluateReplies(HistoryEntry& entry) { evaluateReplies(searcher(), entry); }
int bestReplyIndex(HistoryEntry& entry) { return bestReplyIndex(searcher(), entry); }

// A record of one move from a FEN position; its entry is what the history browser shows.
struct History {
  GameRecord record;
  History(const char* fen, const char* notation) : record(setupFromFen(fen).position) {
    const FenSetup setup = setupFromFen(fen);
    for (const Move& move : MoveList(setup.position)) {
      char text[6] = {};
      move.writeNotation(text);
      if (std::string(text) == notation) {
        record.append(move);
        break;
      }
    }
    EXPECT_EQ(record.count(), 1) << fen << " " << notation;
  }
  HistoryEntry& entry() { return record.entry(0); }
};

// What the history row shows after the move, such as " (win)".
std::string suffix(HistoryEntry& entry) { return entryWords(entry).substr(5); }

TEST(Analysis, EntryEvaluatedTwiceIsSearchedOnce) {
  History history("W:W21,22,23,25,26:B5,6,7,10,11", "C3-D4");
  resetSearchedNodes();
  evaluateEntry(history.entry());
  EXPECT_GT(searchedNodes(), 0u);
  EXPECT_EQ(history.entry().depth, EntryDepth);
  const std::string label = entryWords(history.entry());
  resetSearchedNodes();
  evaluateEntry(history.entry());
  EXPECT_EQ(searchedNodes(), 0u);
  EXPECT_EQ(entryWords(history.entry()), label);
}

TEST(Analysis, EntryAfterWhichTheSideToMoveCannotMoveIsAWinWithoutBestReply) {
  History evaluated("W:W22:B18", "C3xE5"), asked("W:W22:B18", "C3xE5");
  evaluateEntry(evaluated.entry());
  EXPECT_EQ(evaluated.entry().evaluation, 120);
  EXPECT_EQ(suffix(evaluated.entry()), " (win)");
  EXPECT_EQ(bestReplyIndex(asked.entry()), -1);
  EXPECT_EQ(suffix(asked.entry()), " (win)");
}

TEST(Analysis, RepliesWithTheBestValueAllGetTheBestMark) {
  // King against king: Black's king moves draw, except those that walk into a capture.
  History history("W:WK30:BK4", "C1-D2");
  HistoryEntry& entry = history.entry();
  const int best = bestReplyIndex(entry);
  ASSERT_GE(best, 0);
  int marked = 0, first = -1;
  for (int i = 0; i < entry.childCount; ++i) {
    HistoryEntry& reply = entry.children()[i];
    EXPECT_EQ(reply.depth, ReplyDepth);
    EXPECT_EQ((reply.flags & bestBit) != 0, reply.evaluation == 0) << entryWords(reply);
    if (reply.flags & bestBit) {
      ++marked;
      if (first < 0) first = i;
    }
  }
  EXPECT_GE(marked, 2);
  EXPECT_EQ(best, first);
  EXPECT_EQ(entry.evaluation, 0);
  EXPECT_EQ(entry.depth, EntryDepth);
}

TEST(Analysis, BestReplyValueStandsForTheEntryAndIsNotSearchedAgain) {
  History history("W:W21,22,23,25,26:B5,6,7,10,11", "C3-D4");
  HistoryEntry& entry = history.entry();
  HistoryEntry& firstReply = entry.children()[0];
  evaluateEntry(firstReply);
  EXPECT_EQ(firstReply.depth, EntryDepth);
  const int best = bestReplyIndex(entry);
  ASSERT_GE(best, 0);
  EXPECT_EQ(firstReply.depth, ReplyDepth) << "an entry evaluated on its own is searched again as a reply";
  EXPECT_EQ(entry.evaluation, -entry.children()[best].evaluation);
  resetSearchedNodes();
  evaluateEntry(entry);
  EXPECT_EQ(searchedNodes(), 0u);
}

TEST(Analysis, ReplyIntoADatabaseWinForTheOpponentIsALoss) {
  // Three pieces: every reply is in the database, which calls some of them won for White.
  History history("W:WK18,28:BK1", "D4-C5");
  HistoryEntry& entry = history.entry();
  evaluateReplies(entry);
  bool sawLoss = false;
  for (int i = 0; i < entry.childCount; ++i)
    if (entry.children()[i].evaluation <= -120) {
      sawLoss = true;
      EXPECT_EQ(suffix(entry.children()[i]), " (lose)");
    }
  EXPECT_TRUE(sawLoss);
}

}  // namespace
