// Test helpers: square sets and move texts written the way a player reads them.
#pragma once
#include <sstream>
#include <string>
#include "engine/board.h"
#include "engine/fen.h"
#include "engine/movegen.h"
#include "engine/movelist.h"

// "C3 A1" -> the set of those squares.
inline SquareSet squares(const std::string& names) {
  SquareSet set = 0;
  std::istringstream in(names);
  std::string name;
  while (in >> name)
    for (int k = 0; k < 32; ++k)
      if (name == SquareNames[k]) set |= SquareSet(1) << k;
  return set;
}

// The position with the other side to move, or the same one.
inline Position withSide(Position position, bool whiteToMove) {
  position.whiteToMove = whiteToMove;
  return position;
}

// The move list in order as "G3-H4 G3-F4 ...".
inline std::string moveTexts(const Position& position, bool whiteToMove) {
  std::string texts;
  for (const Move& move : MoveList(withSide(position, whiteToMove))) {
    char text[6] = {};
    move.writeNotation(text);
    if (!texts.empty()) texts += ' ';
    texts += text;
  }
  return texts;
}

// Failure messages show positions as FEN.
inline void PrintTo(const Position& position, std::ostream* out) { *out << writeFen(position); }
