#include "game/setup_check.h"
#include "pdn/pdn_notation.h"

namespace {

// A man on its own crowning row would have been crowned on arriving there.
std::string crownedManFault(SquareSet men, SquareSet crowningRow, const char* side) {
  const SquareSet wrong = men & crowningRow;
  if (!wrong) return "";
  return std::string("a ") + side + " man on its crowning row (" + squareName(squareIndex(wrong & -wrong)) + ")";
}

}  // namespace

std::string setUpFault(const Position& position) {
  if (position.white & position.black) return "a square holds a white and a black piece";
  if (!(position.white | position.black)) return "no piece on the board";
  const int whites = popCount(position.white), blacks = popCount(position.black);
  if (whites > MaxPiecesPerSide) return std::to_string(whites) + " white pieces: at most 12";
  if (blacks > MaxPiecesPerSide) return std::to_string(blacks) + " black pieces: at most 12";
  std::string fault = crownedManFault(position.white & ~position.kings, WhiteKingRow, "white");
  if (fault.empty()) fault = crownedManFault(position.black & ~position.kings, BlackKingRow, "black");
  return fault;
}

Position cycledSquare(const Position& position, int square) {
  if (square < 0 || square > 31) return position;
  const SquareSet bit = SquareSet(1) << square;
  Position next = position;
  next.white &= ~bit;
  next.black &= ~bit;
  next.kings &= ~bit;
  const bool king = position.kings & bit;
  if (position.white & bit) {
    if (king) next.black |= bit;
    else next.white |= bit, next.kings |= bit;
  } else if (position.black & bit) {
    if (!king) next.black |= bit, next.kings |= bit;
  } else {
    next.white |= bit;
  }
  return next;
}
