#include "player/message_log.h"

MessageLog SilentLog(1);

LogLine textLine(MessageKind kind, const char* text) {
  LogLine line;
  line.kind = kind;
  line.text = std::string(text).substr(0, MaxLogTextLength);
  return line;
}

LogLine moveLine(LineTopic topic, bool white, const Move& move, const SearchFigures& search) {
  LogLine line;
  line.kind = MsgMove;
  line.topic = topic;
  line.white = white;
  line.move = move;
  line.search = search;
  return line;
}

LogLine drawOfferLine(bool white, bool accepted) {
  LogLine line;
  line.kind = MsgMove;
  line.topic = LineTopic::DrawOffer;
  line.white = white;
  line.accepted = accepted;
  return line;
}

LogLine resignationLine(bool white) {
  LogLine line;
  line.kind = MsgEvent;
  line.topic = LineTopic::Resignation;
  line.white = white;
  return line;
}

LogLine lostOnTimeLine(bool white) {
  LogLine line = resignationLine(white);
  line.kind = MsgResult;
  line.topic = LineTopic::LostOnTime;
  return line;
}

void MessageLog::write(const LogLine&) {}

void MessageLog::post(const LogLine& line) {
  if (line.kind < level) return;
  write(line);
}
