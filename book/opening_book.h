// The opening book: moves the computer plays in known openings, read from
// "white.ouv" and "black.ouv" (one line of numbered-square moves per book line).
#pragma once
#include <map>
#include <random>
#include <set>
#include <string>
#include "engine/board.h"
#include "engine/movelist.h"

// Book moves of one position, ordered by the position they lead to; two moves
// that lead to the same position count as one.
struct ByPositionAfter {
  bool operator()(const Move& a, const Move& b) const { return a.after < b.after; }
};
using BookMoves = std::set<Move, ByPositionAfter>;

class OpeningBook {
public:
  void loadBookFile(const char* fileName, bool white);
  // White's and Black's book; by default white.ouv and black.ouv in the working directory.
  void loadBookFiles(const std::string& whiteFile = "white.ouv", const std::string& blackFile = "black.ouv");
  int parseBookLine(const char* line, bool white);

  const BookMoves& findBookMoves(const Position& position) const;
  // One of the position's book moves drawn with `random`; null, drawing nothing, when it has none.
  const Move* pickBookMove(const Position& position, std::mt19937& random) const;

  unsigned positionCount(bool white) const;
  unsigned moveCount(bool white) const;

private:
  using BookMap = std::map<Position, BookMoves>;
  BookMap whiteMap;
  BookMap blackMap;

  const BookMap& sideMap(bool white) const { return white ? whiteMap : blackMap; }
};

// The one book of the process, filled at start-up and only read afterwards.
extern OpeningBook Book;
