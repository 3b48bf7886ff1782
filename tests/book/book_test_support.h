// Helpers shared by the opening-book tests.
#pragma once
#include <ostream>
#include <string>
#include <vector>
#include "book/opening_book.h"
#include "tests/engine/squares.h"

struct BookCounts {
  unsigned whitePositions, whiteMoves, blackPositions, blackMoves;
  bool operator==(const BookCounts& o) const {
    return whitePositions == o.whitePositions && whiteMoves == o.whiteMoves &&
           blackPositions == o.blackPositions && blackMoves == o.blackMoves;
  }
};

inline std::ostream& operator<<(std::ostream& out, const BookCounts& c) {
  return out << "white " << c.whitePositions << " (" << c.whiteMoves << ") black " << c.blackPositions << " ("
             << c.blackMoves << ")";
}

inline BookCounts countsOf(const OpeningBook& book) {
  return {book.positionCount(true), book.moveCount(true), book.positionCount(false), book.moveCount(false)};
}

// The five-character texts of the book moves of a position, in set order.
inline std::vector<std::string> bookMoveTexts(const OpeningBook& book, const Position& position, bool whiteToMove) {
  std::vector<std::string> texts;
  for (const Move& move : book.findBookMoves(withSide(position, whiteToMove))) {
    char text[5];
    move.writeNotation(text);
    texts.emplace_back(text, 5);
  }
  return texts;
}
