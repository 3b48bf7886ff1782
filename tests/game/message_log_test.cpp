#include <gtest/gtest.h>
#include <string>
#include "fakes.h"

namespace {

TEST(MessageLogs, KindsBelowTheLevelAreDropped) {
  RecordingLog log(1);
  log.post(MsgDebug, "Game will be deleted.");
  log.post(MsgEvent, "New game start.");
  log.post(moveLine(LineTopic::ForcedMove, true, moveNamed(InitialPosition, "C3-D4")));
  log.post(drawOfferLine(false, false));
  ASSERT_EQ(log.lines.size(), 3u);
  EXPECT_EQ(log.lines[0].kind, MsgEvent);
  EXPECT_EQ(log.lines[1].kind, MsgMove);
  EXPECT_EQ(log.lines[2].joined(), "@bc offered draw but @wc refused.");

  RecordingLog quiet(3);
  quiet.post(moveLine(LineTopic::ForcedMove, true, moveNamed(InitialPosition, "C3-D4")));
  quiet.post(drawOfferLine(true, false));
  quiet.post(MsgResult, "Game draw.");
  ASSERT_EQ(quiet.lines.size(), 1u);
  EXPECT_EQ(quiet.lines[0].text, "Game draw.");
}

TEST(MessageLogs, TextLongerThanTheBufferIsCut) {
  RecordingLog log(1);
  const std::string longText(2000, 'a');
  log.post(MsgEvent, longText.c_str());
  ASSERT_EQ(log.lines.size(), 1u);
  EXPECT_EQ(log.lines[0].text, std::string(1023, 'a'));
}

TEST(MessageLogs, SilentLogDiscardsEverything) {
  SilentLog.post(MsgError, "lost");  // nothing to observe but that it does not fail
  EXPECT_EQ(SilentLog.level, 1);
}

}  // namespace
