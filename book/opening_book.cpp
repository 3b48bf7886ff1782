// Lookup and random choice of book moves.
#include "book/opening_book.h"
#include <iterator>

OpeningBook Book;

const BookMoves& OpeningBook::findBookMoves(const Position& position) const {
  static const BookMoves NoMoves;
  const BookMap& moves = sideMap(position.whiteToMove);
  auto entry = moves.find(position);
  return entry == moves.end() ? NoMoves : entry->second;
}

const Move* OpeningBook::pickBookMove(const Position& position, std::mt19937& random) const {
  const BookMoves& moves = findBookMoves(position);
  if (moves.empty()) return nullptr;
  // The raw draw, not a distribution, so that a seed picks the same move with any standard library.
  const unsigned choice = (unsigned)(random() % moves.size());
  return &*std::next(moves.begin(), choice);
}

unsigned OpeningBook::positionCount(bool white) const { return (unsigned)sideMap(white).size(); }

unsigned OpeningBook::moveCount(bool white) const {
  unsigned count = 0;
  for (const auto& entry : sideMap(white)) count += (unsigned)entry.second.size();
  return count;
}
