// A review's notes in a saved game: written beside the file's own notes and a clock's time,
// read back, replaced by a later review, and never mistaken for what they are not.
#include <gtest/gtest.h>
#include "pdn/pdn_reader.h"
#include "pdn/pdn_writer.h"
#include "pdn/review_notes.h"

namespace {

ReviewNote note(int nag, int value, int exact, const std::string& best) {
  ReviewNote n;
  n.nag = nag;
  n.value = value;
  n.exactMoves = exact;
  n.best = best;
  return n;
}

}  // namespace

TEST(ReviewNotes, TheCommentWritesTheValueFromWhitesSideOrTheExactResult) {
  const struct {
    ReviewNote note;
    const char* text;
  } cases[] = {
      {note(0, 45, 0, "c3-d4"), "+0.45 best c3-d4"},
      {note(0, -120, 0, "f6xd4"), "-1.20 best f6xd4"},
      {note(0, 0, 0, "c3-d4"), "0.00 best c3-d4"},
      {note(0, -5, 0, "c3-d4"), "-0.05 best c3-d4"},
      {note(0, 0, 7, "a1xc3xe5"), "+#7 best a1xc3xe5"},
      {note(0, 0, -3, "h2-g3"), "-#3 best h2-g3"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(reviewCommentText(c.note), c.text);
    PdnNotes notes;
    setReviewNote(notes, c.note);
    ReviewNote back;
    ASSERT_TRUE(readReviewNote(notes, back)) << c.text;
    EXPECT_EQ(back.value, c.note.value) << c.text;
    EXPECT_EQ(back.exactMoves, c.note.exactMoves) << c.text;
    EXPECT_EQ(back.best, c.note.best) << c.text;
  }
}

TEST(ReviewNotes, ShareTheClocksCommentAndLeaveTheFilesOwnNotesAlone) {
  PdnNotes notes = {"{a good move}", "{[%clk 0:04:57.3]}", "$1"};
  setReviewNote(notes, note(2, 45, 0, "c3-d4"));
  EXPECT_EQ(notes, (PdnNotes{"$2", "{[%clk 0:04:57.3] +0.45 best c3-d4}", "{a good move}", "$1"}));
  // Reviewing again replaces the review, mark and comment, and nothing else.
  setReviewNote(notes, note(0, -30, 0, "e3-f4"));
  EXPECT_EQ(notes, (PdnNotes{"{[%clk 0:04:57.3] -0.30 best e3-f4}", "{a good move}", "$1"}));
  clearReviewNote(notes);
  EXPECT_EQ(notes, (PdnNotes{"{[%clk 0:04:57.3]}", "{a good move}", "$1"}));
  // A blunder mark of the file's own is neither taken for the review's nor removed with it.
  PdnNotes own = {"{why}", "$4"};
  setReviewNote(own, note(0, 10, 0, "c3-d4"));
  ReviewNote read;
  ASSERT_TRUE(readReviewNote(own, read));
  EXPECT_EQ(read.nag, 0);
  setReviewNote(own, note(6, 10, 0, "c3-d4"));
  EXPECT_EQ(own, (PdnNotes{"$6", "{+0.10 best c3-d4}", "{why}", "$4"}));
  clearReviewNote(own);
  EXPECT_EQ(own, (PdnNotes{"{why}", "$4"}));
  EXPECT_EQ(moveComment("[%clk 0:01:00.0]", "+0.10 best c3-d4"), "{[%clk 0:01:00.0] +0.10 best c3-d4}");
  EXPECT_EQ(moveComment("", "+0.10 best c3-d4"), "{+0.10 best c3-d4}");
}

TEST(ReviewNotes, AFilesOwnNagsAndLookalikeCommentsAreNotTakenForAReview) {
  ReviewNote read;
  const PdnNotes notTheReview[] = {
      {"$2"},                              // a mark alone: the file's own
      {"$4", "{the best move was c3-d4}"}, // words, not the review's form
      {"{+0.45 best}"},                    // no move
      {"{+0.45 best c3-d4 and more}"},
      {"{+99999999999.45 best c3-d4}"},    // a number beyond any value
      {"{+#99999999999 best c3-d4}"},
      {"{[%clk 0:04:57.3]}"},
      {"{[%clk " + std::string(200000, '9') + "] +0.45 best c3-d4}"},  // a damaged file's endless comment
      {"{" + std::string(200000, ' ') + "+0.45 best c3-d4}"},
  };
  for (const PdnNotes& notes : notTheReview) {
    EXPECT_FALSE(readReviewNote(notes, read)) << notes.back().substr(0, 40);
    PdnNotes kept = notes;
    clearReviewNote(kept);
    EXPECT_TRUE(kept == notes) << "clearing a review leaves a file's own notes";
  }
  ASSERT_TRUE(readReviewNote({"$4", "{-1.50 best c3-d4}"}, read));  // as a file from a review holds it
  EXPECT_EQ(read.nag, 4);
  EXPECT_EQ(read.value, -150);
}

TEST(ReviewNotes, SurviveWriteReadWriteWithTheFilesOtherNotes) {
  const std::string text =
      "[Event \"x\"]\n\n1. c3-d4 {opening} f6-g5 2. g3-f4 $1 (2. b2-c3 f6-e5) g7-f6 1/2-1/2\n";
  PdnReading first = readPdn(text);
  ASSERT_TRUE(first.ok()) << first.fault.describe();
  PdnGame game = first.games[0];
  game.moveNotes.resize(game.moves.size());
  setReviewNote(game.moveNotes[0], note(6, 12, 0, "c3-b4"));
  setReviewNote(game.moveNotes[2], note(4, -300, 0, "b2-c3"));
  const std::string written = pdnText(game);
  PdnReading again = readPdn(written);
  ASSERT_TRUE(again.ok()) << again.fault.describe() << "\n" << written;
  const PdnGame& back = again.games[0];
  EXPECT_EQ(pdnText(back), written) << "a second write changes nothing";
  ReviewNote read;
  ASSERT_TRUE(readReviewNote(back.notesAfter(0), read));
  EXPECT_EQ(read.nag, 6);
  EXPECT_EQ(read.best, "c3-b4");
  ASSERT_TRUE(readReviewNote(back.notesAfter(2), read));
  EXPECT_EQ(read.nag, 4);
  EXPECT_EQ(read.value, -300);
  EXPECT_FALSE(readReviewNote(back.notesAfter(1), read));
  EXPECT_NE(written.find("{opening}"), std::string::npos);
  EXPECT_NE(written.find("$1"), std::string::npos);
  EXPECT_NE(written.find("(2. b2-c3 f6-e5)"), std::string::npos) << written;
}
