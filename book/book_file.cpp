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

// The move from book square `from` to book square `to`; null when no move fits or a
// number names no square.
const Move* findBookMove(const MoveList& moves, unsigned from, unsigned to) {
  if (from > HighestSquareNumber || to > HighestSquareNumber) return nullptr;
  return moves.find(squareFromPdn((int)from), squareFromPdn((int)to));
}

}  // namespace

void OpeningBook::loadBookFile(const char* fileName, bool white) {
  std::ifstream file(fileName);
  char line[MaxLineLength + 1];
  // getline fails at the end of the file and on a longer line, which ends the file.
  while (file.getline(line, sizeof line)) parseBookLine(line, white);
}

void OpeningBook::loadBookFiles(const std::string& whiteFile, const std::string& blackFile) {
  loadBookFile(whiteFile.c_str(), true);
  loadBookFile(blackFile.c_str(), false);
}

int OpeningBook::parseBookLine(const char* line, bool white) {
  Position position = InitialPosition;
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
      const MoveList legal(position);
      // An unmatched move keeps both numbers; the rest of the line runs on from them.
      if (const Move* move = findBookMove(legal, from, to)) {
        // Forced moves and the opponent's moves only advance the position.
        if (position.whiteToMove == white && legal.size() > 1) {
          BookMap& moves = position.whiteToMove ? whiteMap : blackMap;
          moves[position].insert(*move);
          ++stored;
        }
        position = move->after;
        from = to = 0;
      }
    }
    if (*c == '\0') return stored;
  }
}
