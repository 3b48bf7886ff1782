#include "ui/game_markup.h"

const SideNames PieceSymbols{"@wc", "@bc"};

std::string logLineMarkup(const LogLine& line) {
  const std::string text = lineText(line, PieceSymbols);
  if (line.kind == MsgEvent || line.kind == MsgResult) return "@b;" + text;
  if (line.kind == MsgError) return "@C0xff000000;" + text;
  return text;
}

HistoryRow historyRow(const HistoryEntry& entry, Fl_Color normal) {
  return {!entry.whiteToMove(), (entry.flags & bestBit) ? BestReplyColour : normal, entryWords(entry)};
}
