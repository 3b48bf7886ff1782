// Side lines: kept by the record of an analysis board, and read from and written to saved games.
#include <gtest/gtest.h>
#include <string>
#include "game/game_record.h"
#include "game/record_pdn.h"
#include "pdn/pdn_notation.h"
#include "pdn/pdn_reader.h"
#include "pdn/pdn_writer.h"

namespace {

Move named(const Position& position, const char* notation) {
  Move move;
  std::string error;
  EXPECT_TRUE(readMoveText(notation, position, move, error)) << notation << ": " << error;
  return move;
}

// Plays the moves, given in notation, at the end of the record.
void play(GameRecord& record, std::initializer_list<const char*> moves) {
  for (const char* move : moves) record.append(named(record.currentPosition(), move));
}

std::string lineText(const Position& from, const RecordLine& line) {
  std::string text;
  Position position = from;
  for (const auto& entry : line) {
    text += (text.empty() ? "" : " ") + moveText(position, entry->move);
    position = entry->move.after;
  }
  return text;
}

std::string mainLine(const GameRecord& record) {
  std::string text;
  for (int i = 0; i < record.count(); ++i)
    text += (i ? " " : "") + moveText(record.positionBefore(i), record.entry(i).move);
  return text;
}

TEST(SideLines, AMoveFromAnEarlyPositionKeepsTheLaterMovesAsItsSideLine) {
  GameRecord record;
  record.keepsSideLines = true;
  play(record, {"c3-d4", "f6-g5", "b2-c3", "g7-f6"});
  record.entry(2).notes = {"{kept}"};
  record.takeBack(2);
  play(record, {"g3-h4"});
  EXPECT_EQ(mainLine(record), "c3-d4 f6-g5 g3-h4");
  ASSERT_EQ(record.entry(2).variations.size(), 1u);
  EXPECT_EQ(lineText(record.positionBefore(2), record.entry(2).variations[0]), "b2-c3 g7-f6");
  EXPECT_EQ(record.entry(2).variations[0][0]->notes, std::vector<std::string>{"{kept}"});
  EXPECT_TRUE(record.takenBack().empty());

  // Back again, the side line's first move makes it the line played, its rest waiting for
  // replay; the line it replaces becomes the side line, with no line lost or doubled.
  record.takeBack(1);
  play(record, {"b2-c3"});
  EXPECT_EQ(mainLine(record), "c3-d4 f6-g5 b2-c3");
  ASSERT_EQ(record.takenBack().size(), 1u);
  ASSERT_EQ(record.entry(2).variations.size(), 1u);
  EXPECT_EQ(lineText(record.positionBefore(2), record.entry(2).variations[0]), "g3-h4");
  EXPECT_EQ(record.entry(2).notes, std::vector<std::string>{"{kept}"});
  play(record, {"g7-f6"});
  EXPECT_EQ(mainLine(record), "c3-d4 f6-g5 b2-c3 g7-f6");

  // A third move at the same point: both earlier lines are its side lines.
  record.takeBack(2);
  play(record, {"e3-f4"});
  ASSERT_EQ(record.entry(2).variations.size(), 2u);
  EXPECT_EQ(lineText(record.positionBefore(2), record.entry(2).variations[0]), "b2-c3 g7-f6");
  EXPECT_EQ(lineText(record.positionBefore(2), record.entry(2).variations[1]), "g3-h4");
}

TEST(SideLines, AGameRecordForgetsTakenBackMovesButReplayKeepsTheirNotes) {
  GameRecord record;
  play(record, {"c3-d4", "f6-g5"});
  record.entry(1).notes = {"$1"};
  record.takeBack(1);
  play(record, {"f6-g5"});
  EXPECT_EQ(record.entry(1).notes, std::vector<std::string>{"$1"}) << "a replayed move keeps its notes";
  record.takeBack(1);
  play(record, {"f6-e5"});
  EXPECT_TRUE(record.entry(1).variations.empty());
  EXPECT_TRUE(record.entry(1).notes.empty());
}

// Opened into a record and saved from it, as the window does.
std::string openAndSave(const std::string& text) {
  const PdnReading reading = readPdn(text);
  EXPECT_TRUE(reading.ok()) << reading.fault.describe();
  if (!reading.ok()) return "";
  const PdnGame& opened = reading.games.at(0);
  GameRecord record(opened.start);
  appendPdnMoves(record, opened);
  return pdnText(recordToPdn(record, opened.result, "a", "b"));
}

int count(const std::string& text, const std::string& part) {
  int n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

TEST(SideLines, VariationsSurviveOpenSaveOpenNestedSeveralAtOneMoveAndAtTheFirstMove) {
  struct Case {
    const char* movetext;
    const char* written;  // the moves as saved, from the first one
  } cases[] = {
      {"1. c3-d4 (1. g3-h4 f6-g5) f6-g5 *", "1. c3-d4 (1. g3-h4 f6-g5) 1... f6-g5 *"},
      {"1. c3-d4 f6-g5 (1... f6-e5 2. d4xf6 g7xe5 (2... e7xg5)) (1... b6-a5 2. b2-c3 (2. g3-h4 a5-b4) c7-b6) 2. b2-c3 *",
       "1. c3-d4 f6-g5 (1... f6-e5 2. d4xf6 g7xe5 (2... e7xg5)) (1... b6-a5 2. b2-c3\n"
       "(2. g3-h4 a5-b4) 2... c7-b6) 2. b2-c3 *"},
      {"1. c3-d4 f6-g5 2. b2-c3 {c} $1 (2. g3-h4 {weaker}) g7-f6 *",
       "1. c3-d4 f6-g5 2. b2-c3 {c} $1 (2. g3-h4 {weaker}) 2... g7-f6 *"},
  };
  for (const Case& c : cases) {
    const std::string file = std::string("[White \"a\"]\n\n") + c.movetext + "\n";
    const std::string saved = openAndSave(file);
    const std::string moves = saved.substr(saved.find("\n\n") + 2);
    EXPECT_EQ(moves, std::string(c.written) + "\n\n") << c.movetext;
    EXPECT_EQ(count(saved, "("), count(c.written, "(")) << "each variation is written once:\n" << saved;
    EXPECT_EQ(openAndSave(saved), saved) << "saved again, nothing changes";
  }
}

TEST(SideLines, AVariationThatIsNotALegalLineStaysAsWrittenAndAnOpenOneIsStillAFault) {
  // h6xf4 is no capture here: the file's text is kept as it was, once.
  const std::string illegal = "[White \"a\"]\n\n1. c3-d4 f6-g5 (1... h6xf4 2. a1-b2) 2. b2-c3 *\n";
  const PdnReading reading = readPdn(illegal);
  ASSERT_TRUE(reading.ok()) << reading.fault.describe();
  EXPECT_TRUE(reading.games[0].variations.empty());
  EXPECT_EQ(reading.games[0].notesAfter(1), PdnNotes{"(1... h6xf4 2. a1-b2)"});
  EXPECT_EQ(count(openAndSave(illegal), "h6xf4"), 1);

  const PdnReading open = readPdn("[White \"a\"]\n\n1. c3-d4 (1. g3-h4 f6-g5 *\n");
  EXPECT_FALSE(open.ok());
  EXPECT_EQ(open.fault.reason, "the file ends inside a variation opened on this line");

  // Nested deeper than the reader follows: kept as written, with no crash.
  std::string deep = "[White \"a\"]\n\n1. c3-d4";
  for (int i = 0; i < 5000; ++i) deep += " (1. c3-d4";
  for (int i = 0; i < 5000; ++i) deep += ")";
  const PdnReading deepReading = readPdn(deep + " *\n");
  ASSERT_TRUE(deepReading.ok()) << deepReading.fault.describe();
  EXPECT_EQ(deepReading.games[0].moves.size(), 1u);
}

TEST(SideLines, AFileCutAnywhereInItsVariationsReadsOrNamesAFaultAndWhatItReadsSavesTheSameTwice) {
  const std::string file =
      "[White \"a\"]\n\n1. c3-d4 f6-g5 (1... f6-e5 2. d4xf6 g7xe5 (2... e7xg5 {a (note)})) (1... b6-a5 2. b2-c3\n"
      "(2. g3-h4 a5-b4) c7-b6) 2. b2-c3 $1 *\n";
  for (size_t cut = 0; cut <= file.size(); ++cut) {
    const PdnReading reading = readPdn(file.substr(0, cut) + " *\n");
    if (!reading.ok()) {
      EXPECT_FALSE(reading.fault.reason.empty()) << cut;
      continue;
    }
    // Whatever was read holds legal lines only: saving and reading it again gives the same.
    for (const PdnGame& game : reading.games) {
      const std::string saved = pdnText(game);
      const PdnReading again = readPdn(saved);
      ASSERT_TRUE(again.ok()) << cut << "\n" << saved;
      EXPECT_EQ(pdnText(again.games.at(0)), saved) << cut;
    }
  }
}

}  // namespace
