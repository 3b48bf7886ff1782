// One position of a game's history: the position after a move, with the replies
// in it generated on demand, so that any line can be explored and analysed.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>
#include "engine/movelist.h"

constexpr uint8_t openedBit = 2;     // open in the history browser
constexpr uint8_t evaluatedBit = 4;  // evaluation holds a value
constexpr uint8_t bestBit = 8;       // a best reply among its siblings

struct HistoryEntry;
// A line of moves, each entry the move after the one before it.
using RecordLine = std::vector<std::unique_ptr<HistoryEntry>>;

struct HistoryEntry {
  uint8_t flags = 0;
  Move move;                 // the move and the position after it
  int32_t childCount = -1;   // -1 until the replies are generated
  int8_t evaluation = 0;     // value after the move for the side that made it
  uint8_t depth = 0;         // 0: never analysed; else the search depth of evaluation
  double clockLeft = -1;     // the mover's clock after the move, increment added; -1: none
  // What the game's file wrote after the move (comments, NAGs, variations), kept as written.
  std::vector<std::string> notes;
  // Side lines: other moves from the position before this one, each with its continuation.
  std::vector<RecordLine> variations;

  HistoryEntry() = default;
  HistoryEntry(const HistoryEntry&) = delete;
  HistoryEntry& operator=(const HistoryEntry&) = delete;

  bool whiteToMove() const { return move.after.whiteToMove; }
  // The replies in move-list order (childCount of them), generated on the first call.
  HistoryEntry* children();

private:
  std::unique_ptr<HistoryEntry[]> replies;
};
