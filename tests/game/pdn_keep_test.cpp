// An opened game saved again keeps everything its file held.
#include <gtest/gtest.h>
#include <algorithm>
#include "game/game_record.h"
#include "pdn/pdn_reader.h"
#include "pdn/pdn_writer.h"
#include "game/record_pdn.h"
#include "tests/pdn/pdn_test_support.h"

namespace {

// Written elsewhere: tags in an order of their own after the archival ones, a short game
// type, a result in the international form, and notes of every kind after moves.
const char* const Foreign =
    "[Event \"Club evening\"]\n"
    "[Site \"Recife\"]\n"
    "[Date \"2026.11.30\"]\n"
    "[Round \"3\"]\n"
    "[White \"Ana\"]\n"
    "[Black \"Bruno\"]\n"
    "[Result \"2-0\"]\n"
    "[GameType \"26\"]\n"
    "[Annotator \"Clara\"]\n"
    "[TimeControl \"40/3600\"]\n"
    "\n"
    "{Played in the final round.} 1. c3-d4 $1 f6-g5 {Black's usual\n"
    "reply, two lines long} 2. b2-c3 !? (2. g3-h4 {weaker} h6xf4 (2... e7-f6) 3. e3xg5) 2... g7-f6 ; a line comment\n"
    "3. a1-b2 2-0\n";

struct Saved {
  PdnGame game;
  std::string text;
};

// The file's first game opened into a record and saved from it as the window does.
Saved openAndSave(const std::string& file, int takeBack = 0) {
  const PdnReading reading = readPdn(file);
  EXPECT_TRUE(reading.ok()) << reading.fault.describe();
  if (reading.games.empty()) return {};
  const PdnGame& opened = reading.games[0];
  GameRecord record(opened.start);
  appendPdnMoves(record, opened);
  record.takeBack(takeBack);
  const PdnResult result = takeBack ? PdnResult::Unfinished : opened.result;
  Saved saved{recordToPdn(record, result, "human", "human"), ""};
  saved.text = pdnText(saved.game);
  return saved;
}

std::vector<std::string> tagNames(const PdnGame& game) {
  std::vector<std::string> names;
  for (const PdnTag& tag : game.tags) names.push_back(tag.name + "=" + tag.value);
  return names;
}

TEST(PdnKeep, AnOpenedGameSavedUnchangedGivesBackItsTagsNotesAndResult) {
  const PdnGame opened = readPdn(Foreign).games.at(0);
  ASSERT_EQ(opened.moves.size(), 5u);
  EXPECT_EQ(opened.openingNotes, PdnNotes{"{Played in the final round.}"});
  EXPECT_EQ(opened.notesAfter(0), PdnNotes{"$1"});
  EXPECT_EQ(opened.notesAfter(1), PdnNotes{"{Black's usual\nreply, two lines long}"});
  EXPECT_EQ(opened.notesAfter(2), (PdnNotes{"!?", "(2. g3-h4 {weaker} h6xf4 (2... e7-f6) 3. e3xg5)"}));
  EXPECT_EQ(opened.notesAfter(3), PdnNotes{"; a line comment"});
  EXPECT_TRUE(opened.notesAfter(4).empty());

  const Saved saved = openAndSave(Foreign);
  const PdnReading again = readPdn(saved.text);
  ASSERT_TRUE(again.ok()) << again.fault.describe() << "\n" << saved.text;
  const PdnGame& back = again.games.at(0);
  expectSameGame(back, opened, saved.text);
  EXPECT_EQ(back.result, PdnResult::WhiteWins);
  // The result is written in the form the writer uses and stands for the same.
  std::vector<std::string> expectedTags = tagNames(opened);
  std::vector<std::string> backTags = tagNames(back);
  for (std::string& tag : expectedTags)
    if (tag == "Result=2-0") tag = "Result=1-0";
  EXPECT_EQ(backTags, expectedTags) << saved.text;
  EXPECT_EQ(back.openingNotes, opened.openingNotes);
  for (size_t i = 0; i < opened.moves.size(); ++i) EXPECT_EQ(back.notesAfter(i), opened.notesAfter(i)) << i;
  // Saved once more, the text does not change: nothing drifts from save to save.
  EXPECT_EQ(openAndSave(saved.text).text, saved.text);
}

TEST(PdnKeep, PlayingOnOrTakingBackDropsOnlyTheNotesAfterTheChangedPoint) {
  const PdnGame opened = readPdn(Foreign).games.at(0);
  const Saved saved = openAndSave(Foreign, 3);  // back to after 1... f6-g5
  ASSERT_EQ(saved.game.moves.size(), 2u);
  EXPECT_EQ(tagNames(saved.game).size(), tagNames(opened).size()) << "the tags stay";
  EXPECT_EQ(saved.game.tag("White"), "Ana");
  EXPECT_EQ(saved.game.openingNotes, opened.openingNotes);
  EXPECT_EQ(saved.game.notesAfter(1), opened.notesAfter(1));
  EXPECT_TRUE(saved.game.notesAfter(2).empty());
  EXPECT_NE(saved.text.find("[Result \"*\"]"), std::string::npos);
  EXPECT_EQ(saved.text.find("(2. g3-h4"), std::string::npos) << saved.text;
}

std::string oneLine(std::string text) {
  std::replace(text.begin(), text.end(), '\n', ' ');
  return text;
}

TEST(PdnKeep, NotesDoNotBreakTheMoveNumbersOrTheLineLimit) {
  // After a comment or a variation, Black's move carries its number, so that others read the
  // moves right; NAGs and marks stay with their move.
  const Saved saved = openAndSave(Foreign);
  const std::string text = oneLine(saved.text);
  EXPECT_NE(text.find("{Played in the final round.} 1. c3-d4 $1 f6-g5 {Black's usual"), std::string::npos)
      << saved.text;
  EXPECT_NE(text.find("2. b2-c3!? (2. g3-h4 {weaker} h6xf4 (2... e7-f6) 3. e3xg5) 2... g7-f6"), std::string::npos)
      << saved.text;
  // A rest-of-line comment ends its line: the next move is not swallowed by it.
  EXPECT_NE(saved.text.find("; a line comment\n3. a1-b2"), std::string::npos) << saved.text;
  // Short notes wrap like moves.
  std::string many = "[White \"Ana\"]\n\n1. c3-d4";
  for (int i = 0; i < 40; ++i) many += " {note " + std::to_string(i) + "}";
  many += " *\n";
  const std::string wrapped = openAndSave(many).text;
  size_t start = 0;
  for (size_t end = wrapped.find('\n'); end != std::string::npos; start = end + 1, end = wrapped.find('\n', start))
    EXPECT_LT(end - start, 80u) << wrapped.substr(start, end - start);
}

TEST(PdnKeep, AFileOwnFenAndGameTypeAreKeptAsWritten) {
  const char* const file =
      "[GameType \"26,W,8,8,A0,0\"]\n[SetUp \"1\"]\n[FEN \"B:W21-22,K23:B1-3.\"]\n\n1... b8-c7 *\n";
  const Saved saved = openAndSave(file);
  EXPECT_NE(saved.text.find("[FEN \"B:W21-22,K23:B1-3.\"]"), std::string::npos) << saved.text;
  const Saved shortType = openAndSave(Foreign);
  EXPECT_NE(shortType.text.find("[GameType \"26\"]"), std::string::npos) << shortType.text;
  // A game begun here writes the full game type, as before.
  PdnGame fresh;
  EXPECT_NE(pdnText(fresh).find("[GameType \"26,W,8,8,A0,0\"]"), std::string::npos);
}

}  // namespace
