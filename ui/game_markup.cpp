#include "ui/game_markup.h"
#include "i18n/translate.h"
#include "pdn/review_notes.h"
#include "search/review.h"

const SideNames PieceSymbols{"@wc", "@bc"};

std::string logLineMarkup(const LogLine& line) {
  const std::string text = lineText(line, PieceSymbols);
  if (line.kind == MsgEvent || line.kind == MsgResult) return "@b;" + text;
  if (line.kind == MsgError) return "@C0xff000000;" + text;
  return text;
}

HistoryRow historyRow(const HistoryEntry& entry, Fl_Color normal) {
  std::string words = entryWords(entry);
  ReviewNote review;
  if (readReviewNote(entry.notes, review) && review.nag != 0) {
    words = formatText(_("%s %s best %s"), words.c_str(), markText(markOfNag(review.nag)), review.best.c_str());
  }
  return {!entry.whiteToMove(), (entry.flags & bestBit) ? BestReplyColour : normal, words};
}

HistoryRow sideLineRow(const RecordLine& line) {
  std::string words = "(";
  for (const auto& entry : line) {
    char move[6] = {};
    entry->move.writeNotation(move);
    words += std::string(" ") + move;
  }
  return {line.empty() || !line.front()->whiteToMove(), SideLineColour, words + " )"};
}
