// Reading the book files: each line is a game fragment from the initial position,
// White first, in numbered squares ("22-18 10-14 24-19"; "x" marks a capture).
#include <fstream>
#include "book/opening_book.h"
#include "engine/fen.h"

namespace {

constexpr int MaxLineLength = 8191;
constexpr unsigned HighestSquareNumber = 32;

// Digits accumulate into a square number. Once past 32 the number can only name
// no square, so it stops growing instead of overflowing on a long digit string.
unsigned appendDigit(unsigned number, char digit) {
  if (number > HighestSquareNumber) return number;
  return number * 10 + (unsigned)(digit - '0');
}

// The move from book square `from` to book square `to`; returns the number of
// legal moves of the position, or 0 when no move fits or a number names no square.
int findBookMove(const Position& position, bool whiteToMove, unsigned from, unsigned to, Move& move) {
  if (from > HighestSquareNumber || to > HighestSquareNumber) return 0;
  return position.findMove(whiteToMove, (uint8_t)squareFromPdn((int)from), (uint8_t)squareFromPdn((int)to),
                           move);
}

}  // namespace

void OpeningBook::loadBookFile(const char* fileName, bool white) {
  std::ifstream file(fileName);
  char line[MaxLineLength + 1];
  // getline fails at the end of the file and on a longer line, which ends the file.
  while (file.getline(line, sizeof line)) parseBookLine(line, white);
}

int OpeningBook::parseBookLine(const char* line, bool white) {
  Position position = InitialPosition;
  bool whiteToMove = true;
  unsigned from = 0, to = 0;
  int stored = 0;
  for (const char* c = line;; ++c) {
    if (*c >= '0' && *c <= '9') {
      to = appendDigit(to, *c);
    } else if (*c == '-' || *c == 'x') {
      // In "18x9x2" only the first and the last number count.
      if (from == 0) from = to;
      to = 0;
    } else if (from != 0 && to != 0) {
      Move move;
      int legalMoves = findBookMove(position, whiteToMove, from, to, move);
      // An unmatched move keeps both numbers; the rest of the line runs on from them.
      if (legalMoves > 0) {
        // Forced moves and the opponent's moves only advance the position.
        if (whiteToMove == white && legalMoves > 1) {
          BookMap& moves = (position.white & move.from) ? whiteMap : blackMap;
          moves[position].insert(move);
          ++stored;
        }
        position = move;
        whiteToMove = !whiteToMove;
        from = to = 0;
      }
    }
    if (*c == '\0') return stored;
  }
}
